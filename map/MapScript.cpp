#include "MapScript.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace {

QString JsonArray(const QStringList& texts)
{
    return QString::fromUtf8(QJsonDocument(QJsonArray::fromStringList(texts)).toJson(QJsonDocument::Compact));
}

QString FunctionRef(const QString& function)
{
    return QStringLiteral("window[%1]").arg(JsonArray({function}).mid(1).chopped(1));
}

}  // namespace

QString ScriptCall(const QString& function, const QStringList& arguments)
{
    // Each call is guarded so that one failing page function cannot stop the rest.
    return QStringLiteral("try{%1.apply(null,%2);}catch(e){}\n").arg(FunctionRef(function), JsonArray(arguments));
}

QString ScriptForCalls(const std::vector<MapCall>& calls)
{
    QString script;
    for (std::size_t i = 0; i < calls.size();) {
        std::size_t end = i + 1;
        while (end < calls.size() && calls[end].function == calls[i].function && calls[end].arguments.size() == 2 &&
               calls[i].arguments.size() == 2)
            ++end;
        if (end - i == 1) {
            script += ScriptCall(calls[i].function, calls[i].arguments);
        } else {
            QStringList flat;
            flat.reserve(static_cast<int>(2 * (end - i)));
            for (std::size_t k = i; k < end; ++k)
                flat << calls[k].arguments;
            script += QStringLiteral("try{(function(f,a){for(var i=0;i<a.length;i+=2)f(a[i],a[i+1]);})(%1,%2);}catch(e){}\n")
                          .arg(FunctionRef(calls[i].function), JsonArray(flat));
        }
        i = end;
    }
    return script;
}
