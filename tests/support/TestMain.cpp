#include "tests/support/TestMain.h"

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace TestMain {
namespace {

std::map<std::string, ClassRun>& Classes()
{
    static std::map<std::string, ClassRun> classes;
    return classes;
}

int Usage(const char* program)
{
    std::fprintf(stderr, "usage: %s TestClass [QTest options]\ntest classes:", program);
    for (const auto& [name, run] : Classes())
        std::fprintf(stderr, " %s", name.c_str());
    std::fprintf(stderr, "\n");
    return 2;
}

} // namespace

Registration::Registration(const char* className, ClassRun run)
{
    if (!Classes().emplace(className, run).second) {
        std::fprintf(stderr, "test class %s is registered twice\n", className);
        std::abort();
    }
}

int Run(int argc, char** argv)
{
    if (argc < 2)
        return Usage(argv[0]);
    const auto found = Classes().find(argv[1]);
    if (found == Classes().end()) {
        std::fprintf(stderr, "%s: no test class %s\n", argv[0], argv[1]);
        return Usage(argv[0]);
    }
    // The class sees the program and the options after its name, as a
    // program of its own would.
    std::vector<char*> arguments{argv[0]};
    arguments.insert(arguments.end(), argv + 2, argv + argc);
    arguments.push_back(nullptr);
    return found->second(argc - 1, arguments.data());
}

} // namespace TestMain

int main(int argc, char** argv)
{
    return TestMain::Run(argc, argv);
}
