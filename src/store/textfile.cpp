#include "store/textfile.h"

#include "core/usererror.h"

#include <QFile>
#include <QSaveFile>
#include <QTextCodec>

namespace corvel {

namespace {
QTextCodec *gbk() {
    static QTextCodec *codec = QTextCodec::codecForName("GBK");
    return codec;
}
} // namespace

QByteArray toGbk(const QString &text) { return gbk()->fromUnicode(text); }
QString fromGbk(const QByteArray &bytes) { return gbk()->toUnicode(bytes); }

QByteArray readFileBytes(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw UserError(QStringLiteral("无法打开文件 %1：%2").arg(path, file.errorString()).toStdString());
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw UserError(QStringLiteral("读取文件 %1 出错：%2").arg(path, file.errorString()).toStdString());
    return bytes;
}

QStringList readTextLines(const QString &path) {
    QString text = fromGbk(readFileBytes(path));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QChar('\r'), QChar('\n'));
    if (text.isEmpty()) return {};
    if (text.endsWith('\n')) text.chop(1);
    return text.split(QChar('\n'));
}

void writeFileBytes(const QString &path, const QByteArray &bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw UserError(QStringLiteral("无法创建文件 %1：%2").arg(path, file.errorString()).toStdString());
    if (file.write(bytes) != bytes.size() || !file.commit())
        throw UserError(QStringLiteral("写入文件 %1 出错：%2").arg(path, file.errorString()).toStdString());
}

void writeTextLines(const QString &path, const QStringList &lines) {
    QByteArray bytes;
    for (const QString &line : lines) {
        bytes += toGbk(line);
        bytes += "\r\n";
    }
    writeFileBytes(path, bytes);
}

} // namespace corvel
