#pragma once

#include "data/SessionContext.h"

#include <QString>

namespace kvr::ui {

// What "Send Error" sends: which company and menu item failed, who and where, and the text the
// dialog showed.
struct ErrorReport
{
    QString subject;
    QString body;

    static ErrorReport build(const data::SessionContext& session, const QString& localIpAddress,
                             const QString& dialogText);
};

} // namespace kvr::ui
