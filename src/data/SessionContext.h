#pragma once

#include "util/Flags.h"

#include <QDate>
#include <QString>

namespace kvr::data {

// Who works, in which menu item, with which rights, on which company: filled once at start-up
// and read-only afterwards.
struct SessionContext
{
    QDate WorkDate;
    int ProgramNo = 0;
    int MenuId = 0;
    int UserId = 0;
    QString UserCode;
    QString MenuCaption;
    bool ACCESS_R = false;
    bool ADD_R = false;
    bool MODIFY_R = false;
    bool DELETE_R = false;
    bool ThaiLanguage = false;
    bool EditSalePrice = false;
    bool CanModifyCusSale = false;
    QString SaveQuestion;
    QString DeleteQuestion;
    QString ExitQuestion;
    QString CompanyDbName;
    int CompanyId = 0;
    QString CompanyNameThai;
    int Pos1_PriceType = 0;
    bool QdwSite = false;
};

// The one meaning of a flag column (util/Flags.h), under the name the services have used.
using util::isFlagSet;

} // namespace kvr::data
