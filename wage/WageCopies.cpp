#include "wage/WageCopies.h"

namespace {

const char* const kW2CopyNames[kW2CopyCount] = {
    "Copy 1-State",
    "Copy 2-Employee State",
    "Copy B-Employee Federal",
    "Copy C-Employee Records",
    "Copy D-Employer",
};

const char* const kW2CopyCaptions[kW2CopyCount] = {
    "Copy 1-For State, City, or Local Tax Department",
    "Copy 2-To Be Filed With Employee's State, City, or Local Income Tax Return.",
    "Copy B-To Be Filed With Employee's FEDERAL Tax Return.",
    "Copy C-For EMPLOYEE'S RECORDS. (See Notice to Employee on back of Copy B.)",
    "Copy D-For Employer.",
};

} // namespace

QString W2CopyName(int copyType)
{
    if (copyType < 0 || copyType >= kW2CopyCount)
        return QString();
    return QString::fromLatin1(kW2CopyNames[copyType]);
}

QString W2CopyCaption(int copyType)
{
    if (copyType < 0 || copyType >= kW2CopyCount)
        return QString();
    return QString::fromLatin1(kW2CopyCaptions[copyType]);
}
