#pragma once
// Script text that calls the map page's global functions by name. Arguments
// are passed as JSON strings, so a text can never become script.

#include <QString>
#include <QStringList>

// `text` as a JSON string literal.
void AppendJsonString(QString& out, const QString& text);

// One statement calling `function` with the texts as string arguments.
QString ScriptCall(const QString& function, const QStringList& arguments);

// Calls queued for the page, in order. Runs of two-argument calls to one
// function (a route's points) are kept as one flat array and sent as one
// loop, so a route of thousands of points costs one script run.
class MapCallQueue {
public:
    void Add(const QString& function, const QStringList& arguments);
    void AddPair(const QString& function, const QString& first, const QString& second);
    bool IsEmpty() const { return script_.isEmpty() && runFunction_.isEmpty(); }
    // The script for everything queued; the queue is empty afterwards.
    QString Take();

private:
    void EndRun();

    QString script_;
    QString runFunction_;  // the function of the open run of pairs
    QString runArray_;     // its flat array, without the closing bracket
};
