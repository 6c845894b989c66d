#include "ReportScript.h"

#include "Celvane.h"
#include "CelvaneError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace celvane {

namespace {

class ScriptCall
{
public:
    ScriptCall(const QJsonObject &call, int number, const QDir &base)
        : m_call(call)
        , m_number(number)
        , m_base(base)
    {
    }

    [[noreturn]] void fail(const QString &reason) const
    {
        throw CelvaneError(QStringLiteral("手順 %1（%2）: %3").arg(m_number).arg(name(), reason));
    }
    QString name() const { return m_call.value(QStringLiteral("call")).toString(); }
    bool has(const QString &key) const { return m_call.contains(key) && !m_call.value(key).isNull(); }
    QString text(const QString &key) const
    {
        if (!m_call.value(key).isString())
            fail(QStringLiteral("「%1」に文字列がありません").arg(key));
        return m_call.value(key).toString();
    }
    double number(const QString &key, std::optional<double> fallback = {}) const
    {
        if (!has(key) && fallback)
            return *fallback;
        if (!m_call.value(key).isDouble())
            fail(QStringLiteral("「%1」に数がありません").arg(key));
        return m_call.value(key).toDouble();
    }
    std::optional<double> optionalNumber(const QString &key) const
    {
        return has(key) ? std::optional<double>(number(key)) : std::nullopt;
    }
    int integer(const QString &key, std::optional<int> fallback = {}) const
    {
        return int(number(key, fallback ? std::optional<double>(*fallback) : std::nullopt));
    }
    CelvaneCell cell(Celvane &engine) const
    {
        return engine.Cell(text(QStringLiteral("marker")), integer(QStringLiteral("column"), 0),
                           integer(QStringLiteral("row"), 0));
    }
    QByteArray file(const QString &key) const
    {
        QFile file(m_base.filePath(text(key)));
        if (!file.open(QIODevice::ReadOnly))
            fail(QStringLiteral("ファイル「%1」が読めません").arg(file.fileName()));
        return file.readAll();
    }
    const QJsonObject &object() const { return m_call; }

private:
    QJsonObject m_call;
    int m_number;
    QDir m_base;
};

void perform(Celvane &engine, const ScriptCall &call)
{
    const QString name = call.name();
    if (name == QLatin1String("Open")) {
        engine.Page().Open(call.text(QStringLiteral("sheet")),
                           call.has(QStringLiteral("page")) ? call.text(QStringLiteral("page")) : QStringLiteral("1"));
    } else if (name == QLatin1String("SetRows")) {
        engine.Page().SetRows(call.integer(QStringLiteral("first")), call.integer(QStringLiteral("last"), -1));
    } else if (name == QLatin1String("NewPage")) {
        engine.Page().NewPage(true);
    } else if (name == QLatin1String("Close")) {
        engine.Page().Close();
    } else if (name == QLatin1String("Setup")) {
        engine.Page().Setup(call.integer(QStringLiteral("property")),
                            call.object().value(QStringLiteral("value")).toVariant());
    } else if (name == QLatin1String("Value")) {
        const QJsonValue value = call.object().value(QStringLiteral("value"));
        if (value.isDouble())
            call.cell(engine).Value(qint64(value.toDouble()));
        else if (value.isString())
            call.cell(engine).Value(value.toString());
        else
            call.fail(QStringLiteral("「value」は文字列か整数です"));
    } else if (name == QLatin1String("TopLine") || name == QLatin1String("BottomLine")
               || name == QLatin1String("LeftLine") || name == QLatin1String("RightLine")
               || name == QLatin1String("Diagonal")) {
        const qint64 line = qint64(call.number(QStringLiteral("line")));
        CelvaneFormat format = call.cell(engine).Format();
        if (name == QLatin1String("TopLine"))
            format.TopLine(line);
        else if (name == QLatin1String("BottomLine"))
            format.BottomLine(line);
        else if (name == QLatin1String("LeftLine"))
            format.LeftLine(line);
        else if (name == QLatin1String("RightLine"))
            format.RightLine(line);
        else
            format.Diagonal(line);
    } else if (name == QLatin1String("Frame")) {
        const QJsonArray range = call.object().value(QStringLiteral("range")).toArray();
        if (range.size() != 4)
            call.fail(QStringLiteral("「range」は [左, 上, 右, 下] です"));
        engine.Range(range[0].toInt(), range[1].toInt(), range[2].toInt(), range[3].toInt())
            .Format()
            .Frame(call.integer(QStringLiteral("flag"), 0), qint64(call.number(QStringLiteral("line"))));
    } else if (name == QLatin1String("Picture")) {
        call.cell(engine).Drawing().AddPicture(
            CelvaneOlePicture(call.file(QStringLiteral("file"))), call.number(QStringLiteral("left"), 0.0),
            call.number(QStringLiteral("top"), 0.0), call.optionalNumber(QStringLiteral("width")),
            call.optionalNumber(QStringLiteral("height")));
    } else if (name == QLatin1String("Shape")) {
        call.cell(engine).Drawing().AddShape(call.number(QStringLiteral("left")), call.number(QStringLiteral("top")),
                                             call.number(QStringLiteral("width")),
                                             call.number(QStringLiteral("height")),
                                             call.object().value(QStringLiteral("values")).toArray().toVariantList());
    } else {
        call.fail(QStringLiteral("知らない手順です"));
    }
}

}  // namespace

void ReportScript::run(Celvane &engine, const QByteArray &json, const QString &baseFolder)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (!document.isObject())
        throw CelvaneError(
            QStringLiteral("JSON が読めません（%1 文字目: %2）").arg(error.offset).arg(error.errorString()));
    const QJsonObject root = document.object();
    const QDir base(baseFolder);
    const QString templateName = root.value(QStringLiteral("template")).toString();
    if (templateName.isEmpty())
        throw CelvaneError(QStringLiteral("JSON に「template」がありません"));
    engine.FileName(base.filePath(templateName));
    const QJsonObject options = root.value(QStringLiteral("options")).toObject();
    for (auto it = options.begin(); it != options.end(); ++it)
        engine.Options().Set(it.key().toInt(), it.value().toVariant());
    if (root.contains(QStringLiteral("allowSave")))
        engine.Options().AllowSave(root.value(QStringLiteral("allowSave")).toBool());
    engine.Document().Begin();
    if (root.contains(QStringLiteral("sheet")))
        engine.Page().Open(root.value(QStringLiteral("sheet")).toString(),
                           root.value(QStringLiteral("page")).toString(QStringLiteral("1")));
    const QJsonArray calls = root.value(QStringLiteral("calls")).toArray();
    for (int i = 0; i < calls.size(); ++i)
        perform(engine, ScriptCall(calls[i].toObject(), i + 1, base));
    engine.Page().Close();
}

void ReportScript::runFile(Celvane &engine, const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw CelvaneError(QStringLiteral("「%1」が読めません").arg(fileName));
    run(engine, file.readAll(), QFileInfo(fileName).absolutePath());
}

}  // namespace celvane
