#include "gui/entry/StoredText.h"

#include "core/entry/EntryRules.h"

#include <QLineEdit>
#include <QPalette>
#include <QPointer>
#include <QValidator>

namespace {

// What a box remembers of the value it was given, as a child of the box.
class Watch : public QObject {
public:
    explicit Watch(QLineEdit* box)
        : QObject(box)
        , box_(box)
    {
        setObjectName(QStringLiteral("StoredTextWatch"));
        connect(box, &QLineEdit::textChanged, this, [this] {
            if (showing_)
                return;
            changed_ = true;
            Unmark();
        });
    }

    static Watch* Of(const QLineEdit* box)
    {
        return box ? box->findChild<Watch*>(QStringLiteral("StoredTextWatch"), Qt::FindDirectChildrenOnly) : nullptr;
    }

    void Show(const QString& text)
    {
        showing_ = true;
        Unmark();
        const QString shown = AsTheBoxShows(text);
        // The box's own form of the same value (a number a digit mask writes
        // with its dashes) is no other value.
        if (shown == text || (!shown.isEmpty() && SameApartFromMaskLiterals(shown, text)))
            box_->setText(text);
        else
            ShowAsStored(text);
        showing_ = false;
        changed_ = false;
        box_->setModified(false);
    }

    bool Changed() const { return changed_; }
    bool Marked() const { return marked_; }

private:
    // The text as the box shows it when it is set: as its validator makes
    // it, within the box's length.
    QString AsTheBoxShows(const QString& text) const
    {
        QString probe = text.left(box_->maxLength());
        if (const QValidator* validator = box_->validator()) {
            int position = int(probe.size());
            if (validator->validate(probe, position) == QValidator::Invalid)
                return QString();
        }
        return probe;
    }

    // The box's own rules would change the text: it is shown past them, as
    // stored, until it is changed.
    void ShowAsStored(const QString& text)
    {
        QPointer<const QValidator> validator = box_->validator();
        savedMaxLength_ = box_->maxLength();
        box_->setValidator(nullptr);
        if (text.size() > box_->maxLength())
            box_->setMaxLength(int(text.size()));
        box_->setText(text);
        box_->setValidator(validator);
        savedToolTip_ = box_->toolTip();
        box_->setToolTip(QStringLiteral("Stored as \u201c%1\u201d, which this box would not take as it is typed. "
                                        "It is kept unless you change the box.")
                             .arg(text));
        savedPalette_ = box_->palette();
        hadOwnPalette_ = box_->testAttribute(Qt::WA_SetPalette);
        QPalette marked = savedPalette_;
        // Dark ink on a pale red, whatever the desktop's colours.
        marked.setColor(QPalette::Base, QColor(0xff, 0xe4, 0xe1));
        marked.setColor(QPalette::Text, QColor(0x80, 0x00, 0x00));
        box_->setPalette(marked);
        box_->setProperty("storedValueMarked", true);
        marked_ = true;
    }

    void Unmark()
    {
        if (!marked_)
            return;
        marked_ = false;
        box_->setProperty("storedValueMarked", false);
        box_->setToolTip(savedToolTip_);
        if (hadOwnPalette_)
            box_->setPalette(savedPalette_);
        else
            box_->setPalette(QPalette());
        // The box's own limit again (a text still longer is one the user
        // changed, or one about to be replaced).
        if (box_->maxLength() != savedMaxLength_)
            box_->setMaxLength(savedMaxLength_);
    }

    QLineEdit* box_;
    bool showing_ = false;
    bool changed_ = false;
    bool marked_ = false;
    int savedMaxLength_ = 32767;
    QString savedToolTip_;
    QPalette savedPalette_;
    bool hadOwnPalette_ = false;
};

} // namespace

namespace StoredText {

void Show(QLineEdit* box, const QString& text)
{
    Watch* watch = Watch::Of(box);
    if (!watch)
        watch = new Watch(box);
    watch->Show(text);
}

bool Changed(const QLineEdit* box)
{
    const Watch* watch = Watch::Of(box);
    return !watch || watch->Changed();
}

bool Marked(const QLineEdit* box)
{
    const Watch* watch = Watch::Of(box);
    return watch && watch->Marked();
}

QString Kept(const QLineEdit* box, const QString& stored)
{
    return Changed(box) ? box->text() : stored;
}

} // namespace StoredText
