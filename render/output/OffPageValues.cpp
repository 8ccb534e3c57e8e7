#include "render/output/OffPageValues.h"

#include "render/painting/FormPictures.h"
#include "render/painting/PageRenderer.h"

#include <QSet>

namespace {

// How many values a message names before it says how many more there are.
constexpr int kNamedValues = 4;

} // namespace

OffPageValues OffPageValues::Find(const PrintJob& job, const QRectF& area, const PageProgress& progress)
{
    OffPageValues found;
    // Only the values are measured: no picture is ever drawn.
    FormPictures noPictures{QString()};
    PageRenderer renderer(noPictures);
    QSet<QString> seen;
    const int pages = job.PageCount();
    // Half a unit of slack: a value drawn exactly at the edge is on the page.
    const QRectF inside = area.adjusted(-0.5, -0.5, 0.5, 0.5);
    for (int page = 1; page <= pages; ++page) {
        if (progress && !progress(page - 1, pages))
            return {};
        for (const PageItem& item : job.LayOutPage(page).items) {
            const QRectF bounds = renderer.ValueBounds(item);
            if (bounds.isEmpty() || inside.contains(bounds))
                continue;
            const auto* text = std::get_if<PageText>(&item);
            if (text && text->text.trimmed().isEmpty())
                continue;
            const QString value = text ? QStringLiteral("\"%1\"").arg(text->text.trimmed())
                                       : QStringLiteral("a check mark");
            if (!seen.contains(value)) {
                seen.insert(value);
                found.values_ << value;
            }
        }
    }
    return found;
}

QString OffPageValues::Describe(const QString& where) const
{
    const qsizetype count = values_.size();
    QString named = values_.mid(0, kNamedValues).join(QStringLiteral(", "));
    if (count > kNamedValues)
        named += QStringLiteral(" and %1 more").arg(count - kNamedValues);
    return count == 1 ? QStringLiteral("A value falls outside %1 and would not be printed whole: %2.").arg(where, named)
                      : QStringLiteral("%1 values fall outside %2 and would not be printed whole: %3.")
                            .arg(count)
                            .arg(where, named);
}
