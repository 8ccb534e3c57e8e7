#pragma once

#include "core/balloon/BalloonLayout.h"
#include "core/balloon/BalloonOptions.h"

#include <QFont>
#include <QPixmap>
#include <QPointer>
#include <QRegion>
#include <QTimer>
#include <QWidget>

// The quick-help balloon: a borderless popup with a rounded body and a
// pointed tail that shows a short titled note at a point of the screen and
// closes by itself on the user's next input (as its options say) or after a
// time-out.

// The standard icons a balloon can show left of its title.
enum class BalloonIcon { None, Information, Warning, Critical, Question };

// Shows a balloon and returns at once; the balloon deletes itself when it
// closes. `anchor` is where the tail points: in screen coordinates, or in
// the coordinates of `anchorWindow` when one is given, in which case the
// balloon follows that window when it moves. A `timeoutMs` of 0 means no
// automatic closing. `command` is kept with the balloon for its owner.
void ShowBalloon(const QString& title, const QString& content, QPoint anchor, BalloonIcon icon, BalloonOptions options,
                 QWidget* anchorWindow = nullptr, const QString& command = QString(), int timeoutMs = 0);

class CBalloonWindow : public QWidget {
    Q_OBJECT
public:
    CBalloonWindow(const QString& title, const QString& content, BalloonIcon icon, BalloonOptions options,
                   QWidget* anchorWindow, const QString& command, int timeoutMs);
    ~CBalloonWindow() override;

    // Places the balloon, arms its closing triggers and shows it without
    // taking the focus from the window the user works in.
    void Open(QPoint anchor);

    BalloonOptions Options() const { return options_; }
    const BalloonGeometry& Layout() const { return geometry_; }
    QString Title() const { return title_; }
    QString Content() const { return content_; }
    QString Command() const { return command_; }
    bool TimeoutRunning() const { return timeout_.isActive(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void UpdateLayout();
    void ArmTriggers();
    void WatchInput(QEvent* event);
    void RequestClose();
    void HandleCloseRequest();
    QRect CloseButtonRect() const;
    void SetCloseButtonState(bool hot, bool pushed);
    void PaintFrame(QPainter& painter);
    void PaintCloseButton(QPainter& painter);

    QString title_;
    QString content_;
    QString command_;
    BalloonOptions options_;
    int timeoutMs_;
    QPixmap icon_;
    QFont contentFont_;
    int contentFlags_ = Qt::AlignLeft | Qt::AlignTop | Qt::TextExpandTabs | Qt::TextWordWrap;
    QFont titleFont_;
    QPoint anchor_; // as given: screen, or the anchor window's coordinates
    QPointer<QWidget> anchorWindow_;
    QPointer<QWidget> anchorTopLevel_;
    QPoint mouseAtOpen_;
    BalloonGeometry geometry_;
    QRegion region_;
    QTimer timeout_;
    bool watchingInput_ = false;
    bool requestPending_ = false;
    bool closeHot_ = false;
    bool closePushed_ = false;
    bool closeArmed_ = false; // the press began on the close button
};
