#include "core/check/FindingText.h"

#include "core/store/Counted.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

QString CheckedFormName(CheckedForm form)
{
    switch (form) {
    case CheckedForm::W2:
        return QStringLiteral("W-2");
    case CheckedForm::Form1099:
        return QStringLiteral("1099-MISC");
    case CheckedForm::W3:
        return QStringLiteral("W-3");
    case CheckedForm::Form1096:
        return QStringLiteral("1096");
    case CheckedForm::W3And1096:
        return QStringLiteral("W-3/1096");
    }
    return QString();
}

QString SeverityName(Severity severity)
{
    return severity == Severity::Error ? QStringLiteral("error") : QStringLiteral("warning");
}

QString FindingPerson(const FormFinding& finding)
{
    if (finding.tin.isEmpty())
        return finding.person;
    if (finding.person.isEmpty())
        return finding.tin;
    return QStringLiteral("%1 (%2)").arg(finding.person, finding.tin);
}

QString FindingLine(const FormFinding& finding)
{
    return QStringList{SeverityName(finding.GetSeverity()), CheckedFormName(finding.Form()), FindingPerson(finding),
                       finding.box, finding.message}
        .join(u'\t');
}

QByteArray FindingsJson(const std::vector<FormFinding>& findings)
{
    QJsonArray array;
    for (const FormFinding& f : findings)
        array.append(QJsonObject{
            {QStringLiteral("severity"), SeverityName(f.GetSeverity())},
            {QStringLiteral("form"), CheckedFormName(f.Form())},
            {QStringLiteral("person"), f.person},
            {QStringLiteral("tin"), f.tin},
            {QStringLiteral("box"), f.box},
            {QStringLiteral("rule"), QLatin1String(f.rule->id)},
            {QStringLiteral("message"), f.message},
        });
    return QJsonDocument(array).toJson(QJsonDocument::Indented);
}

QString FindingCounts(int errors, int warnings)
{
    return Counted(errors, "error", "errors") + QStringLiteral(", ") + Counted(warnings, "warning", "warnings");
}
