#include "MapScript.h"

void AppendJsonString(QString& out, const QString& text)
{
    out += QLatin1Char('"');
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u == '"' || u == '\\') {
            out += QLatin1Char('\\');
            out += c;
        } else if (u < 0x20 || u == 0x2028 || u == 0x2029 || u == '<' || u == '>') {
            // Controls, line separators and angle brackets as escapes: the text
            // stays data whatever surrounds the script.
            out += QStringLiteral("\\u%1").arg(static_cast<unsigned>(u), 4, 16, QLatin1Char('0'));
        } else {
            out += c;
        }
    }
    out += QLatin1Char('"');
}

namespace {

QString FunctionRef(const QString& function)
{
    QString ref = QStringLiteral("window[");
    AppendJsonString(ref, function);
    return ref + QLatin1Char(']');
}

}  // namespace

QString ScriptCall(const QString& function, const QStringList& arguments)
{
    // Each call is guarded so that one failing page function cannot stop the rest.
    QString script = QStringLiteral("try{") + FunctionRef(function) + QStringLiteral(".apply(null,[");
    for (int i = 0; i < arguments.size(); ++i) {
        if (i)
            script += QLatin1Char(',');
        AppendJsonString(script, arguments[i]);
    }
    return script + QStringLiteral("]);}catch(e){}\n");
}

void MapCallQueue::Add(const QString& function, const QStringList& arguments)
{
    EndRun();
    script_ += ScriptCall(function, arguments);
}

void MapCallQueue::AddPair(const QString& function, const QString& first, const QString& second)
{
    if (function != runFunction_) {
        EndRun();
        runFunction_ = function;
        runArray_ = QStringLiteral("[");
    } else {
        runArray_ += QLatin1Char(',');
    }
    AppendJsonString(runArray_, first);
    runArray_ += QLatin1Char(',');
    AppendJsonString(runArray_, second);
}

void MapCallQueue::EndRun()
{
    if (runFunction_.isEmpty())
        return;
    script_ += QStringLiteral("try{(function(f,a){for(var i=0;i<a.length;i+=2)f(a[i],a[i+1]);})(") +
               FunctionRef(runFunction_) + QLatin1Char(',') + runArray_ + QStringLiteral("]);}catch(e){}\n");
    runFunction_.clear();
    runArray_.clear();
}

QString MapCallQueue::Take()
{
    EndRun();
    QString script;
    script.swap(script_);
    return script;
}
