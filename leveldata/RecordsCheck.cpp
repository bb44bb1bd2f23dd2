#include "RecordsCheck.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>

namespace daz::records {

void FullCheck::Start(const QString& file)
{
    Wait();
    static std::atomic<int> count{0};
    const QString name = QStringLiteral("records-check-%1").arg(++count);
    outcome_ = Running;
    thread_ = std::thread([this, file, name] {
        int outcome = Unknown;
        {
            // A read-only connection never writes the file, nor merges its
            // log into it on closing.
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
            db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=50"));
            db.setDatabaseName(file);
            if (db.open()) {
                QSqlQuery query(db);
                query.setForwardOnly(true);
                if (query.exec(QStringLiteral("PRAGMA trusted_schema = OFF"))
                    && query.exec(QStringLiteral("PRAGMA integrity_check(1)")) && query.next()) {
                    outcome = query.value(0).toString() == QStringLiteral("ok") ? Sound : Damaged;
                }
            }
            db.close();
        }
        QSqlDatabase::removeDatabase(name);
        outcome_ = outcome;
    });
}

FullCheck::Outcome FullCheck::Found(bool wait)
{
    if (wait) {
        Wait();
    }
    return static_cast<Outcome>(outcome_.load());
}

void FullCheck::Wait()
{
    if (thread_.joinable()) {
        thread_.join();
    }
}

} // namespace daz::records
