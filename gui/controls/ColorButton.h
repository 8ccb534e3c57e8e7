#pragma once

#include <QColor>
#include <QPushButton>

// A push button drawn by the program: a face colour, a raised bevel of
// one-pixel rings, the caption centred on one line, a focus rectangle inset
// by 4 pixels, a single sunken ring while pressed, and a colour of its own
// for the caption of a disabled button. The screens' command buttons use
// the system's button text and face colours, white disabled captions and a
// bevel of 2, taken from the palette of wherever the button is (a paper
// screen's or the desktop's) until Attach gives colours of its own.
class CColorButton : public QPushButton {
    Q_OBJECT
public:
    explicit CColorButton(const QString& caption, QWidget* parent = nullptr);

    // Sets the colours and the bevel width; the button repaints.
    void Attach(const QColor& text, const QColor& face, const QColor& disabledText, int bevelWidth);

    QColor TextColour() const { return text_; }
    QColor FaceColour() const { return face_; }
    QColor DisabledColour() const { return disabled_; }
    int BevelWidth() const { return bevel_; }

    // Grey levels of bevel ring `ring` (0 = outermost).
    static int RaisedLightLevel(int ring) { return 192 + 63 / (ring + 1); }
    static int RaisedShadowLevel(int ring) { return 255 / (ring + 2); }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void DrawCaption(QPainter& painter, const QRect& area, const QColor& colour) const;
    void DrawFocus(QPainter& painter) const;
    void TakePaletteColours();

    QColor text_;
    QColor face_;
    QColor disabled_;
    int bevel_ = 2;
    bool followsPalette_ = true;
};
