#pragma once

// The tests of a layer are linked into one test program (formlark_core_tests,
// formlark_render_tests, formlark_gui_tests, formlark_app_tests) instead of
// one program per test class: one link instead of dozens. ctest still runs
// each class in a process of its own, named by the first argument:
//
//     formlark_gui_tests W2ScreenTest [QTest options, e.g. -functions]
//
// A test file ends in the macro that QTest's own would be, with FORMLARK_
// in front: FORMLARK_TEST_MAIN(Class) for QTEST_MAIN(Class), and likewise
// FORMLARK_TEST_GUILESS_MAIN and FORMLARK_TEST_APPLESS_MAIN. The class's
// run sets up the same application object as QTest's macro in that file
// would (QApplication where the file sees Qt Widgets, QGuiApplication where
// it sees only Qt Gui, else QCoreApplication). The build includes this
// header in every test file.

#include <QtTest>

#if defined(QT_WIDGETS_LIB)
#include <QApplication>
#elif defined(QT_GUI_LIB)
#include <QGuiApplication>
#else
#include <QCoreApplication>
#endif

namespace TestMain {

using ClassRun = int (*)(int argc, char** argv);

// Registers the run of one test class under its name (static objects of the
// test files, made before main).
struct Registration {
    Registration(const char* className, ClassRun run);
};

// The test program's main: runs the class named by argv[1] with the rest of
// the arguments.
int Run(int argc, char** argv);

} // namespace TestMain

#define FORMLARK_TEST_APPLICATION(Application)                                                                         \
    Application app(argc, argv);                                                                                       \
    app.setAttribute(Qt::AA_Use96Dpi, true);

#if defined(QT_WIDGETS_LIB)
#define FORMLARK_TEST_MAIN_APPLICATION FORMLARK_TEST_APPLICATION(QApplication)
#elif defined(QT_GUI_LIB)
#define FORMLARK_TEST_MAIN_APPLICATION FORMLARK_TEST_APPLICATION(QGuiApplication)
#else
#define FORMLARK_TEST_MAIN_APPLICATION FORMLARK_TEST_APPLICATION(QCoreApplication)
#endif

#define FORMLARK_TEST_CLASS_RUN(TestObject, ...)                                                                       \
    static int FormlarkTestRun_##TestObject(int argc, char** argv)                                                     \
    {                                                                                                                  \
        QT_PREPEND_NAMESPACE(QTest::Internal::callInitMain)<TestObject>();                                             \
        __VA_ARGS__                                                                                                    \
        TestObject tc;                                                                                                 \
        QTEST_SET_MAIN_SOURCE_PATH                                                                                     \
        return QTest::qExec(&tc, argc, argv);                                                                          \
    }                                                                                                                  \
    static const TestMain::Registration formlarkTestRegistration_##TestObject(#TestObject,                             \
                                                                              FormlarkTestRun_##TestObject);

#define FORMLARK_TEST_MAIN(TestObject) FORMLARK_TEST_CLASS_RUN(TestObject, FORMLARK_TEST_MAIN_APPLICATION)
#define FORMLARK_TEST_GUILESS_MAIN(TestObject)                                                                         \
    FORMLARK_TEST_CLASS_RUN(TestObject, FORMLARK_TEST_APPLICATION(QCoreApplication))
#define FORMLARK_TEST_APPLESS_MAIN(TestObject) FORMLARK_TEST_CLASS_RUN(TestObject)
