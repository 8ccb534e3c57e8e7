#pragma once

#include <QWidget>

class QTimer;

// The picture shown while the program starts: borderless, centred over the
// main window, gone after one second or at the first key or mouse press
// anywhere in the program (that press does nothing else).
class CSplashWindow : public QWidget {
    Q_OBJECT

public:
    explicit CSplashWindow(QWidget* over = nullptr);
    ~CSplashWindow() override;

    // Shows the splash and starts its second.
    void Start();
    bool IsShowing() const { return showing_; }

signals:
    // The splash is gone; the start continues.
    void finished();

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Finish();

    QWidget* over_;
    QTimer* timer_;
    QPixmap picture_;
    bool showing_ = false;
};
