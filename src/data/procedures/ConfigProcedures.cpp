#include "data/Connection.h"
#include "data/DbError.h"
#include "data/Query.h"
#include "data/StoredProc.h"
#include "data/procedures/Procedures.h"

namespace kvr::data {

namespace {

// The caption of a menu item and the user's rights on it. Rights are granted per user and menu
// item; a menu item or user unknown to the tables gives empty outputs, which grant nothing.
int menuCaption(Connection& connection, ProcParams& p)
{
    const int menuId = p.get(QStringLiteral("@MENUID")).toInt();
    const int userId = p.get(QStringLiteral("@USERID")).toInt();

    Query user(connection, QStringLiteral("SELECT Code, LanguageNo, Saleman FROM UserName WHERE Id = :UserId"));
    user.setParam(QStringLiteral("UserId"), userId);
    user.open();
    const bool thai = !user.isEmpty() && user.field(QStringLiteral("LanguageNo")).asInteger() == 1;

    Query menu(connection, QStringLiteral("SELECT Caption, CaptionEng FROM Menu WHERE Id = :MenuId"));
    menu.setParam(QStringLiteral("MenuId"), menuId);
    menu.open();

    Query right(connection,
                QStringLiteral("SELECT ACCESS_R, ADD_R, MODIFY_R, DELETE_R FROM UserRight "
                               "WHERE UserId = :UserId AND MenuId = :MenuId"));
    right.setParam(QStringLiteral("UserId"), userId);
    right.setParam(QStringLiteral("MenuId"), menuId);
    right.open();

    QString caption;
    if (!menu.isEmpty()) {
        caption = menu.field(QStringLiteral("Caption")).asString();
        const QString english = menu.field(QStringLiteral("CaptionEng")).asString();
        if (!thai && !english.trimmed().isEmpty())
            caption = english;
    }
    const bool known = !user.isEmpty() && !menu.isEmpty();
    const auto rightOf = [&](const char* name) {
        return known && !right.isEmpty() ? right.field(QString::fromLatin1(name)).asString() : QString();
    };
    p.set(QStringLiteral("@CAPTION"), caption);
    p.set(QStringLiteral("@USERCODE"), user.field(QStringLiteral("Code")).asString());
    p.set(QStringLiteral("@SALESID"), user.field(QStringLiteral("Saleman")).asInteger());
    p.set(QStringLiteral("@ACCESS_R"), rightOf("ACCESS_R"));
    p.set(QStringLiteral("@ADD_R"), rightOf("ADD_R"));
    p.set(QStringLiteral("@MODIFY_R"), rightOf("MODIFY_R"));
    p.set(QStringLiteral("@DELETE_R"), rightOf("DELETE_R"));
    return 0;
}

int addErrorLog(Connection& connection, ProcParams& p)
{
    Query insert(connection,
                 QStringLiteral("INSERT INTO ErrorLog (LogDate, CompName, LogName, UserId, MenuId, ErrorMsg) "
                                "VALUES (") +
                     connection.dialect().now() +
                     QStringLiteral(", :CompName, :LogName, :UserId, :MenuId, :ErrorMsg)"));
    for (const char* name : {"CompName", "LogName", "UserId", "MenuId", "ErrorMsg"})
        insert.setParam(QString::fromLatin1(name), p.get(QLatin1Char('@') + QString::fromLatin1(name)));
    insert.execSql();
    return 0;
}

} // namespace

void registerConfigProcedures()
{
    registerProcedure(QStringLiteral("MENUCAPTION"), menuCaption);
    registerProcedure(QStringLiteral("AddErrorLog"), addErrorLog);
}

} // namespace kvr::data
