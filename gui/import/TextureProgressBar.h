#pragma once

#include <QPixmap>
#include <QProgressBar>

// A progress bar whose filled part is a texture picture repeated along the
// bar, drawn the same under every widget style.
class CTextureProgressBar : public QProgressBar {
    Q_OBJECT

public:
    // `texture` names an SVG picture; it is scaled to the bar's height.
    explicit CTextureProgressBar(const QString& texture, QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString textureFile_;
    QPixmap texture_;
};
