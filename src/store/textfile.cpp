#include "store/textfile.h"

#include "core/drawparse.h"
#include "core/textencoding.h"
#include "core/usererror.h"
#include "store/database.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>
#include <QTextCodec>

namespace corvel {

namespace {
QTextCodec *gbk() {
    static QTextCodec *codec = QTextCodec::codecForName("GBK");
    return codec;
}
} // namespace

QStringList toQLines(const std::vector<std::string> &lines) {
    QStringList out;
    out.reserve(qsizetype(lines.size()));
    for (const std::string &line : lines) out << QString::fromStdString(line);
    return out;
}

std::vector<std::string> toStdLines(const QStringList &lines) {
    std::vector<std::string> out;
    out.reserve(size_t(lines.size()));
    for (const QString &line : lines) out.push_back(line.toStdString());
    return out;
}

QByteArray toGbk(const QString &text) { return gbk()->fromUnicode(text); }
QString fromGbk(const QByteArray &bytes) { return gbk()->toUnicode(bytes); }

void checkInputFile(const QString &path) {
    const QFileInfo info(path);
    if (info.isDir())
        throw UserError(
            QStringLiteral("“%1”是一个文件夹，不是文件！").arg(QDir::toNativeSeparators(path)).toStdString());
    // A pipe or a device would block the read or never end; only plain files are read.
    if (info.exists() && !info.isFile())
        throw UserError(QStringLiteral("“%1”不是普通文件（设备、管道或套接字），无法读取！")
                            .arg(QDir::toNativeSeparators(path))
                            .toStdString());
}

QByteArray readFileBytes(const QString &path) {
    checkInputFile(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw UserError(QStringLiteral("无法打开文件 %1：%2").arg(path, file.errorString()).toStdString());
    if (file.size() > MaxTextFileBytes)
        throw UserError(QStringLiteral("文件 %1 太大（%2 MB），不是本程序的文件！")
                            .arg(path)
                            .arg(double(file.size()) / (1024 * 1024), 0, 'f', 1)
                            .toStdString());
    QByteArray bytes = file.read(MaxTextFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        throw UserError(QStringLiteral("读取文件 %1 出错：%2").arg(path, file.errorString()).toStdString());
    if (bytes.size() > MaxTextFileBytes) // grew while it was read
        throw UserError(QStringLiteral("文件 %1 太大，不是本程序的文件！").arg(path).toStdString());
    return bytes;
}

std::string decodeText(const QByteArray &bytes, const QString &path) {
    const std::string_view view(bytes.constData(), size_t(bytes.size()));
    if (std::optional<std::string> text = unicodeText(view, QFileInfo(path).fileName().toStdString()))
        return std::move(*text);
    return fromGbk(bytes).toStdString();
}

std::string readText(const QString &path) { return decodeText(readFileBytes(path), path); }

std::string readUnicodeText(const QString &path) {
    const QByteArray bytes = readFileBytes(path);
    const std::string name = QFileInfo(path).fileName().toStdString();
    std::optional<std::string> text = unicodeText(std::string_view(bytes.constData(), size_t(bytes.size())), name);
    if (!text) throw UserError("文件“" + name + "”不是UTF-8编码的文本！");
    return std::move(*text);
}

QStringList readTextLines(const QString &path) {
    const std::string text = readText(path);
    QStringList lines;
    for (const std::string_view line : splitLines(text))
        lines << QString::fromUtf8(line.data(), qsizetype(line.size()));
    return lines;
}

QString writeFailureMessage(const QString &path, const QString &detail, qint64 bytesNeeded, qint64 bytesFree) {
    if (bytesFree >= 0 && bytesFree < bytesNeeded + 4096) return diskFullMessage(path);
    return QStringLiteral("写入文件 %1 出错：%2").arg(path, detail);
}

QString createFailureMessage(const QString &path, const QString &detail) {
    const QFileInfo folder(QFileInfo(path).absolutePath());
    if (!folder.exists() || !folder.isDir())
        return QStringLiteral("无法创建文件 %1：文件夹 %2 不存在。").arg(path, folder.filePath());
    if (!folder.isWritable())
        return QStringLiteral("无法创建文件 %1：文件夹 %2 不允许写入，请另选一个文件夹。").arg(path, folder.filePath());
    return QStringLiteral("无法创建文件 %1：%2").arg(path, detail);
}

void writeFileBytes(const QString &path, const QByteArray &bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) throw UserError(createFailureMessage(path, file.errorString()).toStdString());
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        const QStorageInfo disk(QFileInfo(path).absolutePath());
        throw UserError(
            writeFailureMessage(path, file.errorString(), bytes.size(), disk.isValid() ? disk.bytesAvailable() : -1)
                .toStdString());
    }
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
