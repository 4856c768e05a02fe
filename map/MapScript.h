#pragma once
// Script text that calls the map page's global functions by name. Arguments
// are passed as JSON strings, so a text can never become script.

#include <QString>
#include <QStringList>
#include <vector>

struct MapCall {
    QString function;
    QStringList arguments;
};

// One statement calling `function` with the texts as string arguments.
QString ScriptCall(const QString& function, const QStringList& arguments);

// Calls in order, with runs of two-argument calls to the same function sent as
// one array walked by a loop (a route of thousands of points is one script).
QString ScriptForCalls(const std::vector<MapCall>& calls);
