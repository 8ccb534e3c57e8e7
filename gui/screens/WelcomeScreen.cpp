#include "gui/screens/WelcomeScreen.h"

#include "core/links/MakerLinks.h"
#include "gui/controls/HyperlinkLabel.h"
#include "gui/screens/PaperPalette.h"

#include <QPainter>
#include <QSvgRenderer>

#include <algorithm>
#include <cmath>

namespace {

// The picture's own size and the rows of its links panel (left edge of the
// text, vertical centre of each row, and the text height), in picture units.
constexpr QSizeF kPictureSize(1000, 700);
constexpr double kLinkLeft = 646;
constexpr std::array<double, CWelcomeScreen::LinkCount> kLinkCentreY{389, 434, 480, 525};
constexpr double kLinkTextHeight = 16;

struct LinkSpec {
    const char* label;
    const char* target;
};

constexpr std::array<LinkSpec, CWelcomeScreen::LinkCount> kLinkSpecs{{
    {MakerLinks::kBuyLabel, MakerLinks::kBuyPage},
    {MakerLinks::kProductsLabel, MakerLinks::kProductsPage},
    {MakerLinks::kInfoLabel, MakerLinks::kInfoMail},
    {MakerLinks::kSalesLabel, MakerLinks::kSalesMail},
}};

} // namespace

CWelcomeScreen::CWelcomeScreen(QWidget* parent)
    : QWidget(parent)
    , picture_(new QSvgRenderer(QStringLiteral(":/welcome/Welcome.svg"), this))
{
    setObjectName(QStringLiteral("welcomeScreen"));
    // Everything on this view sits on the picture's white, the links included.
    UsePaperPalette(this);

    for (int i = 0; i < LinkCount; ++i) {
        auto* link = new CHyperlinkLabel(QString::fromLatin1(kLinkSpecs[i].label), this);
        link->SetTarget(QString::fromLatin1(kLinkSpecs[i].target));
        link->SetLinkAppearance(true);
        links_[i] = link;
    }
    PlaceLinks();
}

QRectF CWelcomeScreen::PictureRect() const
{
    const double scale = std::min(width() / kPictureSize.width(), height() / kPictureSize.height());
    const QSizeF size = kPictureSize * scale;
    return QRectF(QPointF((width() - size.width()) / 2, 0), size);
}

// The picture's backdrop (the band along its top) runs across the whole
// width; the artwork keeps its proportions, centred under the band's top,
// and the rest of the view is the picture's white.
void CWelcomeScreen::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QRectF picture = PictureRect();
    const double scale = picture.width() / kPictureSize.width();
    const auto place = [&](const QRectF& bounds) {
        return QRectF(picture.left() + bounds.left() * scale, picture.top() + bounds.top() * scale,
                      bounds.width() * scale, bounds.height() * scale);
    };
    QRectF backdrop = place(picture_->boundsOnElement(QStringLiteral("backdrop")));
    // A pixel beyond each side, so that the band's own edges never show.
    backdrop.setLeft(-1);
    backdrop.setRight(width() + 1);
    picture_->render(&painter, QStringLiteral("backdrop"), backdrop);
    picture_->render(&painter, QStringLiteral("artwork"), place(picture_->boundsOnElement(QStringLiteral("artwork"))));
}

void CWelcomeScreen::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    PlaceLinks();
}

// The links grow with the picture so that they keep to its rows.
void CWelcomeScreen::PlaceLinks()
{
    const QRectF picture = PictureRect();
    const double scale = picture.width() / kPictureSize.width();
    QFont linkFont = font();
    linkFont.setPixelSize(std::max(8, static_cast<int>(std::lround(15 * scale))));
    for (int i = 0; i < LinkCount; ++i) {
        CHyperlinkLabel* link = links_[i];
        link->setFont(linkFont);
        const QPointF left(picture.left() + kLinkLeft * scale, picture.top() + kLinkCentreY[i] * scale);
        const int rowHeight = static_cast<int>(std::lround(kLinkTextHeight * scale));
        link->setGeometry(QRect(QPoint(static_cast<int>(std::lround(left.x())),
                                       static_cast<int>(std::lround(left.y())) - rowHeight / 2),
                                QSize(1, rowHeight)));
        link->FitToText();
    }
}
