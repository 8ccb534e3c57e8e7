#pragma once

#include "core/navigation/OutBarLayout.h"

#include <QAccessible>
#include <QColor>
#include <QWidget>
#include <QList>
#include <QPixmap>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <optional>

class QLineEdit;

// Pictures of one size for the bar's items, picked by image index.
struct OutBarImageList {
    QSize imageSize{32, 32};
    QList<QPixmap> images;
};

struct OutBarItem {
    QString caption;
    int image = -1; // negative: no icon
    int userValue = 0;
};

struct OutBarFolder {
    QString name;
    int userValue = 0;
    QList<OutBarItem> items;                    // in display order
    QPointer<QWidget> window;                   // shown instead of the items when set
    std::optional<OutBarImageList> largeImages; // else the bar's
    std::optional<OutBarImageList> smallImages;
};

// What the bar tells its owner.
enum class OutBarNotify {
    ItemClicked = 1,         // press and release on the same item
    FolderCaptionEdited = 2, // the owner's answer decides whether the new name is taken
    ItemCaptionEdited = 3,   // likewise for an item's caption
    ItemDragMoved = 4,       // the owner's answer decides whether the item moves
    FolderChanged = 5,
};

struct OutBarNotice {
    OutBarNotify code = OutBarNotify::ItemClicked;
    int folder = -1;       // the folder of the item or caption; the source folder of a move; the new open folder
    int item = -1;         // the item clicked, renamed or moved
    int targetFolder = -1; // a move's target folder
    int targetIndex = -1;  // a move's insertion place in the target folder, counted before the move
    QString text;          // the new caption
};

// The navigation bar: a stack of folder headers, the open folder's items as
// icons with captions between them. A click on an item is reported through
// notify(); so are folder changes, caption edits and item moves, of which the
// last three only happen when the owner answers yes.
class COutBarCtrl : public QWidget {
    Q_OBJECT

public:
    enum ImageListKind { LargeImages, SmallImages };

    explicit COutBarCtrl(QWidget* parent = nullptr, unsigned barFlags = OutBarFlag::kInitial);
    ~COutBarCtrl() override;

    unsigned BarFlags() const { return flags_; }
    void SetBarFlags(unsigned flags);

    // The item area's background and the captions' colour; the rest follows
    // the palette.
    QColor BackgroundColor() const { return background_; }
    void SetBackgroundColor(const QColor& color);
    QColor TextColor() const { return text_; }
    void SetTextColor(const QColor& color);

    // Pause between the steps of the folder slide; negative turns the slide off.
    int SlideStepDelay() const { return slideDelay_; }
    void SetSlideStepDelay(int milliseconds) { slideDelay_ = milliseconds; }
    // Above 0 nudges the selected item's icon at that interval; 0 stops it.
    void SetSelectedItemAnimation(int milliseconds);

    void SetBarImageList(const OutBarImageList& list, ImageListKind which);
    void SetFolderImageList(int folder, const OutBarImageList& list, ImageListKind which);

    // Both return the new index, -1 for a folder that doesn't exist.
    int AppendFolder(const QString& name, int userValue);
    int InsertFolderItem(int folder, int position, const QString& caption, int image, int userValue);
    // Hosts `window` in `folder` in place of its items (nullptr: items again).
    void SetFolderWindow(int folder, QWidget* window);

    void SelectFolder(int folder);

    // Opens the caption editor over a folder's name or over a visible item of
    // the open folder. False when there is no such caption on show.
    bool EditFolderCaption(int folder);
    bool EditItemCaption(int item);
    QLineEdit* CaptionEditor() const { return editor_; }

    OutBarHit HitTest(const QPoint& point) const;
    OutBarLayout Layout() const;

    int FolderCount() const { return int(folders_.size()); }
    const OutBarFolder& Folder(int folder) const { return folders_.at(folder); }
    int ItemCount(int folder) const;
    int CurrentFolder() const { return current_; }
    int FirstVisibleItem() const { return Layout().FirstVisibleItem(); }
    // The item last clicked in the open folder; -1 when the click was in another.
    int SelectedItem() const { return selectedFolder_ == current_ ? selected_ : -1; }
    // Marks `item` of the open folder selected as a click does, without
    // telling the owner (-1: none): the owner shows what it opened.
    void SetSelectedItem(int item);
    // The item the keyboard is on: Up, Down, Home and End move it, Return
    // and Space open it as a click does; a dotted frame marks it while the
    // bar has the focus. -1 when the open folder has no items.
    int FocusItem() const;
    // Opens `item` of the open folder as a click does (a screen reader's
    // press): it becomes the keyboard's and the selected item, and the owner
    // is told.
    void ActivateItem(int item);
    // Puts the keyboard on the bar at `item` of the open folder.
    void FocusOnItem(int item);
    int HotItem() const { return hotItem_; }
    int HotFolder() const { return hotFolder_; }
    bool IsSliding() const { return slide_.has_value(); }
    // Where the selected item's icon is drawn, relative to its place.
    QPoint SelectedItemOffset() const { return nudgeOffset_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // Connect directly: for the codes that need it the slot writes its
    // answer into *answer, which starts out false (refused).
    void notify(const OutBarNotice& notice, bool* answer);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A left-button press on a part of the bar, followed until release.
    struct Press {
        OutBarHit hit;
        bool over = true; // the pointer is still on what was pressed
        bool dragging = false;
        OutBarDropTarget drop;
    };
    struct Slide {
        QPixmap before;
        QPixmap after;
        OutBarSlide plan;
        int step = 0;
    };
    enum class EditTarget { Folder, Item };

    const OutBarImageList& Images(int folder) const;
    OutBarLayout LayoutFor(int folder, int firstVisible) const;
    OutBarLayout::Input InputFor(int folder, int firstVisible) const;
    bool HostsWindow(int folder) const;
    bool FocusInChild() const;

    void PaintBar(QPainter& painter) const;
    void PaintEdge(QPainter& painter) const;
    void PaintHeader(QPainter& painter, int folder, const QRect& rect) const;
    void PaintItems(QPainter& painter, const OutBarLayout& layout) const;
    void PaintScrollButton(QPainter& painter, const QRect& rect, bool up, bool pushed) const;
    void PaintInsertionMark(QPainter& painter, const QRect& area, int y) const;
    QPixmap RenderBar() const;

    void UpdateHover(const QPoint& point);
    void ClearHover();
    void CheckPointerLeft();
    void ClickItem(int item);
    void MoveFocusItem(int item);
    void KeepFocusItemInView();
    void Scroll(int delta);
    void MoveItem(int sourceItem, const OutBarDropTarget& drop);
    void PlaceFolderWindow();
    void NudgeTick();
    void SlideTick();
    void FinishSlide();
    bool Ask(const OutBarNotice& notice);

    bool StartCaptionEdit(EditTarget target, int index, const QRect& over, const QString& text);
    void FitCaptionEditor();
    void EndCaptionEdit(bool keep);

    QList<OutBarFolder> folders_;
    int current_ = 0;
    int firstVisible_ = 0;
    int selected_ = -1;
    int selectedFolder_ = -1;
    int focusItem_ = -1; // the keyboard's item in the open folder; -1: follow the selection
    int hotItem_ = -1;
    int hotFolder_ = -1;
    unsigned flags_ = OutBarFlag::kInitial;
    OutBarMetrics metrics_;
    int slideDelay_ = 10;

    QColor background_; // item area
    QColor outline_;    // folder header outline
    QColor text_;       // item captions
    QColor face_;       // folder header face
    QColor light3d_;
    QColor highlight_;
    QColor shadow_;
    QColor darkShadow_;

    OutBarImageList largeImages_;
    OutBarImageList smallImages_{QSize(16, 16), {}};

    std::optional<Press> press_;
    std::optional<Slide> slide_;
    QTimer hoverTimer_;
    QTimer slideTimer_;
    QTimer nudgeTimer_;
    OutBarNudge nudge_;
    QPoint nudgeOffset_;

    QLineEdit* editor_ = nullptr;
    EditTarget editTarget_ = EditTarget::Item;
    int editIndex_ = -1;
    int editFolder_ = -1;
    QRect editAnchor_; // the caption the editor covers
};

// The navigation bar as a screen reader sees it: a list named after the
// bar, whose children are the open folder's items (by their captions,
// selectable, focusable, with the selected and focused states and a press
// action that opens the item as a click does), the folder headers when
// there is more than one folder (a press opens the folder), a window the
// open folder hosts and the caption editor while it is open. Part of the
// bar, in a file of its own (OutBarAccessible.cpp): the bar installs it and
// tells it what changed, and it reads the bar.

// Makes every navigation bar speak so to the accessibility bus; once is
// enough, more calls do nothing.
void InstallOutBarAccessibility();

// Tells a listening screen reader that `item` of the bar's open folder
// has the focus (QAccessible::Focus), was selected (Selection) or renamed
// (NameChanged).
void NotifyOutBarItem(COutBarCtrl* bar, QAccessible::Event event, int item);
// Tells it that the bar's children changed: another folder, an item more,
// moved or scrolled into view.
void NotifyOutBarChildren(COutBarCtrl* bar);
