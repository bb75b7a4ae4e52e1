#pragma once

#include "support/ScriptedPrompt.h"

#include "core/app/AppState.h"
#include "core/db/Database.h"
#include "core/db/DeliveredDatabase.h"
#include "gui/framework/WindowContext.h"

#include <QTemporaryDir>

namespace tarvo::test {

// What a window test gives its windows: a fresh delivered library (SQLite, in a
// temporary folder), the state of the run and a scripted prompt. One per test function.
class WindowLibrary
{
public:
    WindowLibrary()
    {
        const ConnectionTarget target{Engine::SQLite, m_folder.filePath(QStringLiteral("tarvo.dat")), false};
        DeliveredDatabase::create(target);
        db.open(target);
    }

    QString filePath(const QString &name) const { return m_folder.filePath(name); }
    QString text(const QString &sql, const QVariantList &params = {}) { return db.scalar(sql, params).toString(); }
    int count(const QString &sql, const QVariantList &params = {}) { return db.scalar(sql, params).toInt(); }

private:
    QTemporaryDir m_folder; // before the connection, which must close first

public:
    Database db;
    AppState state;
    ScriptedPrompt prompt;
    gui::WindowContext context{db, state, prompt};
};

} // namespace tarvo::test
