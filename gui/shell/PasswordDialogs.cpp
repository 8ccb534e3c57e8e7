#include "gui/shell/PasswordDialogs.h"

#include "core/password/PasswordChecks.h"
#include "core/password/PasswordScramble.h"
#include "core/prompt/Prompt.h"

#include <QDialogButtonBox>
#include <QPainter>
#include <QPainterPath>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// Dialog units of the dialog's font: a quarter of the average width and an
// eighth of the height of its characters. Sizes given in them keep their
// proportions with any font.
QSize DialogUnitsToPixels(const QWidget& widget, int width, int height)
{
    const QFontMetrics metrics(widget.font());
    const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const double baseWidth = metrics.horizontalAdvance(alphabet) / double(alphabet.size());
    const double baseHeight = metrics.height();
    return QSize(qRound(width * baseWidth / 4), qRound(height * baseHeight / 8));
}

QLineEdit* NewPasswordEdit(QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setEchoMode(QLineEdit::Password);
    edit->setMaxLength(kPasswordMaxLength);
    edit->setMinimumWidth(edit->fontMetrics().averageCharWidth() * 22);
    return edit;
}

// OK and Cancel with exactly these captions (the standard buttons would
// add mnemonics); OK is the default button. OK runs `onOk`, which decides
// whether the dialog closes.
QDialogButtonBox* NewOkCancel(QDialog* dialog, QPushButton*& ok, QPushButton*& cancel)
{
    auto* buttons = new QDialogButtonBox(dialog);
    ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    cancel = buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    ok->setDefault(true);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

// Fixed size: the given dialog units, or more when the contents need it.
void FixSize(QDialog* dialog, int widthUnits, int heightUnits)
{
    dialog->layout()->activate();
    const QSize units = DialogUnitsToPixels(*dialog, widthUnits, heightUnits);
    dialog->setFixedSize(units.expandedTo(dialog->sizeHint()));
}

// A padlock, drawn here so the dialog needs no picture file.
QPixmap PadlockPicture(int size, qreal devicePixelRatio)
{
    QPixmap picture(QSize(size, size) * devicePixelRatio);
    picture.setDevicePixelRatio(devicePixelRatio);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size / 32.0;
    // Shackle.
    p.setPen(QPen(QColor(0x70, 0x78, 0x84), 3.2 * s, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath shackle;
    shackle.moveTo(10 * s, 15 * s);
    shackle.lineTo(10 * s, 10 * s);
    shackle.arcTo(QRectF(10 * s, 3 * s, 12 * s, 14 * s), 180, -180);
    shackle.lineTo(22 * s, 15 * s);
    p.drawPath(shackle);
    // Body.
    const QRectF body(5 * s, 14 * s, 22 * s, 16 * s);
    QLinearGradient gold(body.topLeft(), body.bottomLeft());
    gold.setColorAt(0, QColor(0xf6, 0xd3, 0x65));
    gold.setColorAt(1, QColor(0xd9, 0x9a, 0x1e));
    p.setPen(QPen(QColor(0x9a, 0x6a, 0x10), 1.0 * s));
    p.setBrush(gold);
    p.drawRoundedRect(body, 2.5 * s, 2.5 * s);
    // Keyhole.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x5a, 0x3c, 0x08));
    p.drawEllipse(QPointF(16 * s, 20.5 * s), 2.2 * s, 2.2 * s);
    p.drawRect(QRectF(15.1 * s, 21 * s, 1.8 * s, 5 * s));
    return picture;
}

void ShowOutcomeMessage(const PasswordOkOutcome& outcome)
{
    if (!outcome.message.isEmpty())
        AppPrompt().Ask(outcome.message, PromptButtons::Ok, outcome.icon);
}

} // namespace

CEnterPassword::CEnterPassword(const QString& expectedPassword, QWidget* parent)
    : QDialog(parent)
    , expected_(expectedPassword)
{
    setWindowTitle(QStringLiteral("Password Required"));

    auto* notice = new QLabel(QStringLiteral("Password is requried before you can continue."), this);
    notice->setWordWrap(true);
    auto* label = new QLabel(QStringLiteral("Password:"), this);
    password_ = NewPasswordEdit(this);
    label->setBuddy(password_);

    auto* buttons = NewOkCancel(this, ok_, cancel_);
    connect(buttons, &QDialogButtonBox::accepted, this, &CEnterPassword::OnOk);

    auto* padlock = new QLabel(this);
    padlock->setPixmap(PadlockPicture(32, devicePixelRatio()));

    auto* entry = new QHBoxLayout;
    entry->addWidget(label);
    entry->addWidget(password_, 1);

    auto* text = new QVBoxLayout;
    text->addWidget(notice);
    text->addSpacing(fontMetrics().height() / 2);
    text->addLayout(entry);
    text->addStretch(1);

    auto* top = new QHBoxLayout;
    top->addWidget(padlock, 0, Qt::AlignTop);
    top->addSpacing(fontMetrics().averageCharWidth() * 2);
    top->addLayout(text, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(buttons);

    password_->setFocus();
    FixSize(this, 196, 77);
}

void CEnterPassword::OnOk()
{
    const PasswordOkOutcome outcome = CheckEnteredPassword(password_->text(), expected_);
    if (outcome.emptyBoxes)
        password_->clear();
    ShowOutcomeMessage(outcome);
    if (outcome.close)
        accept();
    else
        password_->setFocus();
}

CChangepassword::CChangepassword(const QString& oldPassword, std::function<bool(const QString&)> storeNewPassword,
                                 QWidget* parent)
    : QDialog(parent)
    , oldPassword_(oldPassword)
    , store_(std::move(storeNewPassword))
{
    setWindowTitle(QStringLiteral("Change Password"));

    oldLabel_ = new QLabel(QStringLiteral("Old Password:"), this);
    old_ = NewPasswordEdit(this);
    auto* newLabel = new QLabel(QStringLiteral("New Password:"), this);
    new_ = NewPasswordEdit(this);
    auto* confirmLabel = new QLabel(QStringLiteral("Confirm New Password:"), this);
    confirm_ = NewPasswordEdit(this);
    oldLabel_->setBuddy(old_);
    newLabel->setBuddy(new_);
    confirmLabel->setBuddy(confirm_);

    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->addRow(oldLabel_, old_);
    form->addRow(newLabel, new_);
    form->addRow(confirmLabel, confirm_);

    auto* buttons = NewOkCancel(this, ok_, cancel_);
    connect(buttons, &QDialogButtonBox::accepted, this, &CChangepassword::OnOk);

    auto* padlock = new QLabel(this);
    padlock->setPixmap(PadlockPicture(32, devicePixelRatio()));

    auto* top = new QHBoxLayout;
    top->addWidget(padlock, 0, Qt::AlignTop);
    top->addSpacing(fontMetrics().averageCharWidth() * 2);
    top->addLayout(form, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addStretch(1);
    layout->addWidget(buttons);

    // Without a password there is nothing to confirm first: the old box
    // and its label go, and the dialog is one row shorter.
    int heightUnits = 95;
    if (oldPassword_.isEmpty()) {
        form->setRowVisible(old_, false);
        heightUnits -= 18;
    }
    (oldPassword_.isEmpty() ? new_ : old_)->setFocus();
    FixSize(this, 239, heightUnits);
}

void CChangepassword::OnOk()
{
    const PasswordChangeEntry typed{old_->text(), new_->text(), confirm_->text()};
    const PasswordOkOutcome outcome = CheckPasswordChange(oldPassword_, typed, [this](const QString& password) {
        return store_ ? store_(password) : true;
    });
    if (outcome.emptyBoxes) {
        old_->clear();
        new_->clear();
        confirm_->clear();
    }
    ShowOutcomeMessage(outcome);
    if (outcome.close) {
        newPassword_ = typed.newPassword;
        accept();
    } else {
        (oldPassword_.isEmpty() ? new_ : old_)->setFocus();
    }
}
