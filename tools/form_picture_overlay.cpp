// Draws every form picture with the printed values laid over it in red, one
// PNG per use of a picture (paper kind and form slot), so a picture can be
// judged by eye against the print tables. Problems found by the same checks
// as the tests are listed on standard output.
//
//   form_picture_overlay [--pictures DIR] [--out DIR] [--dpi N]
//
// DIR defaults to the folder of the built program; the PNGs go to the
// current folder unless --out is given.

#include "tools/form_pictures/FormPictureAnchors.h"
#include "tools/form_pictures/FormPictureCheck.h"

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QPainter>
#include <QPen>
#include <QTextStream>

#include <cmath>

namespace {

QString FileNameFor(const QString& useName)
{
    QString name = useName.toLower();
    for (QChar& c : name)
        if (!c.isLetterOrNumber())
            c = QLatin1Char('-');
    while (name.contains(QStringLiteral("--")))
        name.replace(QStringLiteral("--"), QStringLiteral("-"));
    return name + QStringLiteral(".png");
}

void DrawOverlay(QImage& image, const PictureUse& use, double scale)
{
    PaintWhiteOuts(image, use, scale);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);

    QPen outline(QColor(220, 0, 0), 1.5);
    QFont courier(QStringLiteral("Courier New"));
    courier.setPixelSize(int(std::lround(10 * 254.0 / 72.0)));
    for (const PictureText& text : use.Texts) {
        const QRectF ink = TextInkRect(text);
        painter.setPen(outline);
        painter.setBrush(QColor(255, 0, 0, 40));
        painter.drawRect(ink);
        if (text.Sample.isEmpty()) {
            QString value = text.What.section(QLatin1Char(' '), -2).left(text.Chars);
            value = value.leftJustified(text.Chars, QLatin1Char('8'));
            painter.setFont(courier);
            painter.setPen(QColor(200, 0, 0));
            painter.drawText(QPointF(text.X, text.Y + painter.fontMetrics().ascent()), value);
        } else {
            QFont font(text.Font);
            font.setPixelSize(int(std::lround(text.PointSize * 254.0 / 72.0)));
            font.setBold(text.Bold);
            painter.setFont(font);
            painter.setPen(QColor(0, 0, 200));
            painter.drawText(QPointF(text.X, text.Y + painter.fontMetrics().ascent()), text.Sample);
        }
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(220, 0, 0), 5));
    for (const PictureMark& mark : use.Marks) {
        painter.drawLine(mark.Box.topLeft(), mark.Box.bottomRight());
        painter.drawLine(mark.Box.topRight(), mark.Box.bottomLeft());
    }
    painter.setPen(QPen(QColor(0, 120, 255), 1.5, Qt::DashLine));
    for (const QRectF& r : use.WhiteOuts)
        painter.drawRect(r);
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    QString pictures = QStringLiteral(FORMLARK_RUNTIME_DIR);
    QString out = QDir::currentPath();
    double dpi = 100;
    const QStringList args = app.arguments();
    for (int i = 1; i + 1 < args.size(); i += 2) {
        if (args[i] == QLatin1String("--pictures"))
            pictures = args[i + 1];
        else if (args[i] == QLatin1String("--out"))
            out = args[i + 1];
        else if (args[i] == QLatin1String("--dpi"))
            dpi = args[i + 1].toDouble();
    }
    QDir().mkpath(out);
    QTextStream stdOut(stdout);
    const double scale = dpi / 254.0;
    int problems = 0;
    for (const PictureUse& use : FormPictureUses()) {
        const QString path = QDir(pictures).filePath(use.InstalledName);
        QImage image = RenderFormPicture(path, scale);
        if (image.isNull()) {
            stdOut << path << ": not a readable SVG picture\n";
            ++problems;
            continue;
        }
        for (const QString& line : CheckPictureUse(use, RenderFormPicture(path, 1.0))) {
            stdOut << line << "\n";
            ++problems;
        }
        DrawOverlay(image, use, scale);
        const QString png = QDir(out).filePath(FileNameFor(use.Name));
        image.save(png);
        stdOut << png << "\n";
    }
    stdOut << problems << " problem(s)\n";
    return problems == 0 ? 0 : 1;
}
