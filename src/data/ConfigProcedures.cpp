// Procedures of the configuration database: the caption and rights of a menu
// entry for a user, and the error log. On the company connection the
// configuration tables are found through the attached QLM_CONFIG schema.
#include "Connection.h"
#include "DbError.h"
#include "EmbeddedProcedures.h"

#include <QDateTime>
#include <QSqlQuery>

namespace data {

namespace {

QString yesOrNo(const QVariant &v)
{
    return v.isNull() ? QStringLiteral("N") : v.toString().trimmed();
}

// MENUCAPTION @MENUID, @USERID -> @CAPTION, @ACCESS_R, @ADD_R, @MODIFY_R,
// @DELETE_R, @USERCODE, @SALESID. The caption is the Thai description for a
// Thai user (or an unknown one), else the English one when there is one.
// A user without a rights row for the entry gets "N" everywhere.
void menuCaption(Connection &c, Params &p)
{
    Params q;
    q.set(QStringLiteral("MenuId"), p.value(QStringLiteral("@MENUID")).toInt());
    q.set(QStringLiteral("UserId"), p.value(QStringLiteral("@USERID")).toInt());

    QString userCode;
    int language = 1;
    int salesId = 0;
    {
        QSqlQuery u = c.run(QStringLiteral("SELECT Code, LanguageNo, Salesman FROM UserName WHERE Id = :UserId"), q);
        if (u.next()) {
            userCode = u.value(0).toString();
            language = u.value(1).isNull() ? 1 : u.value(1).toInt();
            salesId = u.value(2).toInt();
        }
    }
    QString caption;
    {
        QSqlQuery m = c.run(QStringLiteral("SELECT Description, EngDescription FROM Menu WHERE Id = :MenuId"), q);
        if (m.next()) {
            caption = m.value(0).toString();
            const QString english = m.value(1).toString();
            if (language != 1 && !english.trimmed().isEmpty())
                caption = english;
        }
    }
    QString access = QStringLiteral("N"), add = access, modify = access, del = access;
    {
        QSqlQuery r = c.run(QStringLiteral("SELECT Access_R, Add_R, Modify_R, Delete_R FROM UserMenuRight "
                                           "WHERE UserName = :UserId AND Menu = :MenuId"),
                            q);
        if (r.next()) {
            access = yesOrNo(r.value(0));
            add = yesOrNo(r.value(1));
            modify = yesOrNo(r.value(2));
            del = yesOrNo(r.value(3));
        }
    }
    p.set(QStringLiteral("@CAPTION"), caption, Params::Out);
    p.set(QStringLiteral("@ACCESS_R"), access, Params::Out);
    p.set(QStringLiteral("@ADD_R"), add, Params::Out);
    p.set(QStringLiteral("@MODIFY_R"), modify, Params::Out);
    p.set(QStringLiteral("@DELETE_R"), del, Params::Out);
    p.set(QStringLiteral("@USERCODE"), userCode, Params::Out);
    p.set(QStringLiteral("@SALESID"), salesId, Params::Out);
}

// AddErrorLog @CompName, @LogName, @UserId, @MenuId, @ErrorMsg: one row with
// the current date and time.
void addErrorLog(Connection &c, Params &p)
{
    Params q;
    q.set(QStringLiteral("Menu"), p.value(QStringLiteral("@MenuId")).toInt());
    q.set(QStringLiteral("UserName"), p.value(QStringLiteral("@UserId")).toInt());
    q.set(QStringLiteral("ErrorDate"), QDateTime::currentDateTime());
    q.set(QStringLiteral("ErrorMsg"), p.value(QStringLiteral("@ErrorMsg")).toString());
    q.set(QStringLiteral("CompName"), p.value(QStringLiteral("@CompName")).toString());
    q.set(QStringLiteral("LogName"), p.value(QStringLiteral("@LogName")).toString());
    c.execute(QStringLiteral("INSERT INTO ErrorLog (Menu, UserName, ErrorDate, ErrorMsg, CompName, LogName) "
                             "VALUES (:Menu, :UserName, :ErrorDate, :ErrorMsg, :CompName, :LogName)"),
              q);
}

} // namespace

void registerConfigProcedures()
{
    registerEmbeddedProcedure(QStringLiteral("MENUCAPTION"), menuCaption);
    registerEmbeddedProcedure(QStringLiteral("AddErrorLog"), addErrorLog);
}

} // namespace data
