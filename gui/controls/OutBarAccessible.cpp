#include "gui/controls/OutBarCtrl.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QLineEdit>
#include <QPointer>
#include <QWindow>

namespace {

// One child of the bar on the accessibility bus.
struct BarPart {
    enum Kind { Header, Item, Window, Editor };
    Kind kind = Item;
    int index = -1; // folder of a header, item of the open folder

    bool operator==(const BarPart&) const = default;
};

size_t qHash(const BarPart& part, size_t seed = 0)
{
    return ::qHash(part.kind * 1000003 + part.index, seed);
}

// The children in the order they stand in the bar, top to bottom.
QList<BarPart> Parts(const COutBarCtrl& bar)
{
    QList<BarPart> parts;
    const int folders = bar.FolderCount();
    const int current = bar.CurrentFolder();
    // A single folder's header is a heading, not a choice.
    const bool headers = folders > 1;
    for (int f = 0; headers && f <= current; ++f)
        parts.append({BarPart::Header, f});
    if (current < folders) {
        if (bar.Folder(current).window)
            parts.append({BarPart::Window, current});
        else
            for (int i = 0; i < bar.ItemCount(current); ++i)
                parts.append({BarPart::Item, i});
    }
    for (int f = current + 1; headers && f < folders; ++f)
        parts.append({BarPart::Header, f});
    if (bar.CaptionEditor())
        parts.append({BarPart::Editor, -1});
    return parts;
}

QAccessibleInterface* WidgetInterface(QWidget* widget)
{
    return widget ? QAccessible::queryAccessibleInterface(widget) : nullptr;
}

// A header or an item: no object of its own, so made and kept by the bar's
// interface, and answering from the bar as it is now.
class OutBarPartAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    OutBarPartAccessible(COutBarCtrl* bar, BarPart part)
        : bar_(bar)
        , part_(part)
    {
    }

    bool isValid() const override
    {
        if (!bar_)
            return false;
        if (part_.kind == BarPart::Header)
            return part_.index < bar_->FolderCount();
        return part_.index < bar_->ItemCount(bar_->CurrentFolder()) && !bar_->Folder(bar_->CurrentFolder()).window;
    }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return bar_ ? bar_->window()->windowHandle() : nullptr; }

    QAccessibleInterface* parent() const override { return WidgetInterface(bar_); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text t) const override
    {
        if (!isValid() || t != QAccessible::Name)
            return {};
        if (part_.kind == BarPart::Header)
            return bar_->Folder(part_.index).name;
        return bar_->Folder(bar_->CurrentFolder()).items[part_.index].caption;
    }
    void setText(QAccessible::Text, const QString&) override { }

    QRect rect() const override
    {
        if (!isValid())
            return {};
        const OutBarLayout layout = bar_->Layout();
        const QRect local = part_.kind == BarPart::Header ? layout.HeaderRect(part_.index)
                                                          : layout.ItemRect(part_.index);
        if (local.isEmpty())
            return {};
        return QRect(bar_->mapToGlobal(local.topLeft()), local.size());
    }

    QAccessible::Role role() const override
    {
        return part_.kind == BarPart::Header ? QAccessible::Button : QAccessible::ListItem;
    }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        if (part_.kind == BarPart::Header) {
            state.pressed = part_.index == bar_->CurrentFolder();
            return state;
        }
        state.focusable = true;
        state.selectable = true;
        state.selected = part_.index == bar_->SelectedItem();
        state.focused = bar_->hasFocus() && part_.index == bar_->FocusItem();
        if (!bar_->Layout().IsFullyVisible(part_.index)) {
            state.invisible = true;
            state.offscreen = true;
        }
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }

    QStringList actionNames() const override
    {
        if (part_.kind == BarPart::Header)
            return {pressAction()};
        return {pressAction(), setFocusAction()};
    }
    void doAction(const QString& action) override
    {
        if (!isValid())
            return;
        if (part_.kind == BarPart::Header) {
            if (action == pressAction())
                bar_->SelectFolder(part_.index);
        } else if (action == pressAction()) {
            bar_->ActivateItem(part_.index);
        } else if (action == setFocusAction()) {
            bar_->FocusOnItem(part_.index);
        }
    }
    QStringList keyBindingsForAction(const QString& action) const override
    {
        if (part_.kind == BarPart::Item && action == pressAction())
            return {QStringLiteral("Return")};
        return {};
    }

private:
    QPointer<COutBarCtrl> bar_;
    BarPart part_;
};

class OutBarAccessible : public QAccessibleWidget {
public:
    explicit OutBarAccessible(COutBarCtrl* bar)
        : QAccessibleWidget(bar, QAccessible::List)
    {
    }
    ~OutBarAccessible() override
    {
        for (QAccessible::Id id : std::as_const(parts_))
            QAccessible::deleteAccessibleInterface(id);
    }

    QString text(QAccessible::Text t) const override
    {
        QString text = QAccessibleWidget::text(t);
        if (!text.isEmpty())
            return text;
        const COutBarCtrl* bar = Bar();
        if (t == QAccessible::Name)
            return QStringLiteral("Navigation bar");
        if (t == QAccessible::Description && bar->CurrentFolder() < bar->FolderCount())
            return bar->Folder(bar->CurrentFolder()).name;
        return text;
    }

    int childCount() const override { return int(Parts(*Bar()).size()); }

    QAccessibleInterface* child(int index) const override
    {
        const QList<BarPart> parts = Parts(*Bar());
        if (index < 0 || index >= parts.size())
            return nullptr;
        const BarPart part = parts[index];
        switch (part.kind) {
        case BarPart::Window:
            return WidgetInterface(Bar()->Folder(part.index).window);
        case BarPart::Editor:
            return WidgetInterface(Bar()->CaptionEditor());
        case BarPart::Header:
        case BarPart::Item:
            break;
        }
        if (const auto found = parts_.constFind(part); found != parts_.constEnd())
            return QAccessible::accessibleInterface(*found);
        auto* made = new OutBarPartAccessible(Bar(), part);
        parts_.insert(part, QAccessible::registerAccessibleInterface(made));
        return made;
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (int i = 0; i < childCount(); ++i)
            if (this->child(i) == child)
                return i;
        return -1;
    }

    QAccessibleInterface* childAt(int x, int y) const override
    {
        COutBarCtrl* bar = Bar();
        const QPoint local = bar->mapFromGlobal(QPoint(x, y));
        if (!bar->rect().contains(local))
            return nullptr;
        for (int i = 0; i < childCount(); ++i) {
            QAccessibleInterface* part = child(i);
            if (part && part->rect().contains(x, y))
                return part;
        }
        return nullptr;
    }

    QAccessibleInterface* focusChild() const override
    {
        COutBarCtrl* bar = Bar();
        if (QLineEdit* editor = bar->CaptionEditor(); editor && editor->hasFocus())
            return WidgetInterface(editor);
        if (!bar->hasFocus() || bar->FocusItem() < 0)
            return nullptr;
        return child(Parts(*bar).indexOf(BarPart{BarPart::Item, bar->FocusItem()}));
    }

private:
    COutBarCtrl* Bar() const { return static_cast<COutBarCtrl*>(widget()); }

    mutable QHash<BarPart, QAccessible::Id> parts_;
};

QAccessibleInterface* OutBarFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String(COutBarCtrl::staticMetaObject.className()) && object && object->isWidgetType())
        return new OutBarAccessible(static_cast<COutBarCtrl*>(object));
    return nullptr;
}

} // namespace

void InstallOutBarAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(OutBarFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

void NotifyOutBarItem(COutBarCtrl* bar, QAccessible::Event event, int item)
{
    if (item < 0)
        return;
    const int child = int(Parts(*bar).indexOf(BarPart{BarPart::Item, item}));
    if (child < 0)
        return;
    QAccessibleEvent notice(bar, event);
    notice.setChild(child);
    QAccessible::updateAccessibility(&notice);
}

void NotifyOutBarChildren(COutBarCtrl* bar)
{
    QAccessibleEvent notice(bar, QAccessible::ObjectReorder);
    QAccessible::updateAccessibility(&notice);
}
