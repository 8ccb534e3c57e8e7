#pragma once

#include <QWidget>

#include <array>

class CHyperlinkLabel;
class QSvgRenderer;

// The first screen of the main window: the program's picture filling the
// view and four links to the maker's pages and mail addresses.
class CWelcomeScreen : public QWidget {
    Q_OBJECT
public:
    enum LinkIndex { BuyLink, ProductsLink, InfoMailLink, SalesMailLink, LinkCount };

    explicit CWelcomeScreen(QWidget* parent = nullptr);

    CHyperlinkLabel* Link(LinkIndex index) const { return links_[index]; }

    // Where the picture is drawn: as large as the view allows, centred
    // along the top.
    QRectF PictureRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void PlaceLinks();

    QSvgRenderer* picture_;
    std::array<CHyperlinkLabel*, LinkCount> links_{};
};
