#pragma once

#include "core/controls/OutBarLayout.h"

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
    QList<OutBarItem> items;            // in display order
    QPointer<QWidget> window;           // shown instead of the items when set
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

    unsigned BarFlags() const { return m_flags; }
    void SetBarFlags(unsigned flags);

    // The item area's background and the captions' colour; the rest follows
    // the palette.
    QColor BackgroundColor() const { return m_background; }
    void SetBackgroundColor(const QColor& color);
    QColor TextColor() const { return m_text; }
    void SetTextColor(const QColor& color);

    // Pause between the steps of the folder slide; negative turns the slide off.
    int SlideStepDelay() const { return m_slideDelay; }
    void SetSlideStepDelay(int milliseconds) { m_slideDelay = milliseconds; }
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
    QLineEdit* CaptionEditor() const { return m_editor; }

    OutBarHit HitTest(const QPoint& point) const;
    OutBarLayout Layout() const;

    int FolderCount() const { return int(m_folders.size()); }
    const OutBarFolder& Folder(int folder) const { return m_folders.at(folder); }
    int ItemCount(int folder) const;
    int CurrentFolder() const { return m_current; }
    int FirstVisibleItem() const { return m_firstVisible; }
    // The item last clicked in the open folder; -1 when the click was in another.
    int SelectedItem() const { return m_selectedFolder == m_current ? m_selected : -1; }
    int HotItem() const { return m_hotItem; }
    int HotFolder() const { return m_hotFolder; }
    bool IsSliding() const { return m_slide.has_value(); }
    // Where the selected item's icon is drawn, relative to its place.
    QPoint SelectedItemOffset() const { return m_nudgeOffset; }

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
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A left-button press on a part of the bar, followed until release.
    struct Press {
        OutBarHit hit;
        bool over = true;     // the pointer is still on what was pressed
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

    QList<OutBarFolder> m_folders;
    int m_current = 0;
    int m_firstVisible = 0;
    int m_selected = -1;
    int m_selectedFolder = -1;
    int m_hotItem = -1;
    int m_hotFolder = -1;
    unsigned m_flags = OutBarFlag::kInitial;
    OutBarMetrics m_metrics;
    int m_slideDelay = 10;

    QColor m_background;   // item area
    QColor m_outline;      // folder header outline
    QColor m_text;         // item captions
    QColor m_face;         // folder header face
    QColor m_light3d;
    QColor m_highlight;
    QColor m_shadow;
    QColor m_darkShadow;

    OutBarImageList m_largeImages;
    OutBarImageList m_smallImages{QSize(16, 16), {}};

    std::optional<Press> m_press;
    std::optional<Slide> m_slide;
    QTimer m_hoverTimer;
    QTimer m_slideTimer;
    QTimer m_nudgeTimer;
    OutBarNudge m_nudge;
    QPoint m_nudgeOffset;

    QLineEdit* m_editor = nullptr;
    EditTarget m_editTarget = EditTarget::Item;
    int m_editIndex = -1;
    int m_editFolder = -1;
    QRect m_editAnchor; // the caption the editor covers
};
