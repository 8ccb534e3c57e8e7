#include "core/wage/WageCopies.h"

const QStringList& W2CopyNames()
{
    static const QStringList names = {
        "Copy 1-State",    "Copy 2-Employee State", "Copy B-Employee Federal", "Copy C-Employee Records",
        "Copy D-Employer",
    };
    return names;
}

const QStringList& W2CopyCaptions()
{
    static const QStringList captions = {
        "Copy 1-For State, City, or Local Tax Department",
        "Copy 2-To Be Filed With Employee's State, City, or Local Income Tax Return.",
        "Copy B-To Be Filed With Employee's FEDERAL Tax Return.",
        "Copy C-For EMPLOYEE'S RECORDS. (See Notice to Employee on back of Copy B.)",
        "Copy D-For Employer.",
    };
    return captions;
}

QString W2CopyCaption(W2CopyType copy)
{
    return W2CopyCaptions().value(int(copy));
}
