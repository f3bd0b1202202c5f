#include "report/report.h"

#include "core/drawparse.h"
#include "core/intconv.h"
#include "core/random.h"
#include "core/textencoding.h"
#include "core/usererror.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iconv.h>
#include <iostream>
#include <map>
#include <sstream>

namespace corvel::report {

namespace {
struct Entry {
    std::string usage;
    Handler handler;
};
std::map<std::string, Entry> &registry() {
    static std::map<std::string, Entry> commands;
    return commands;
}
} // namespace

Command::Command(const std::string &name, const std::string &usage, Handler handler) {
    registry()[name] = {usage, std::move(handler)};
}

std::string takeOption(Args &args, const std::string &name, const std::string &fallback) {
    const auto it = std::find(args.begin(), args.end(), "--" + name);
    if (it == args.end()) return fallback;
    if (it + 1 == args.end()) throw UserError("选项 --" + name + " 缺少取值");
    std::string value = *(it + 1);
    args.erase(it, it + 2);
    return value;
}

bool takeFlag(Args &args, const std::string &name) {
    const auto it = std::find(args.begin(), args.end(), "--" + name);
    if (it == args.end()) return false;
    args.erase(it);
    return true;
}

namespace {

// Text in the legacy code page (GBK) as UTF-8; bytes that are no GBK read as U+FFFD.
std::string gbkToUtf8(const std::string &bytes) {
    iconv_t cd = iconv_open("UTF-8", "GBK");
    // iconv's failure value; without a converter messages still quote the text safely.
    if (cd == reinterpret_cast<iconv_t>(-1)) return bytes; // NOLINT(performance-no-int-to-ptr)
    std::string out;
    out.reserve(bytes.size() * 3 / 2 + 16);
    char buffer[4096];
    char *in = const_cast<char *>(bytes.data());
    size_t inLeft = bytes.size();
    while (inLeft > 0) {
        char *to = buffer;
        size_t outLeft = sizeof buffer;
        const size_t done = iconv(cd, &in, &inLeft, &to, &outLeft);
        out.append(buffer, sizeof buffer - outLeft);
        if (done == static_cast<size_t>(-1) && errno != E2BIG) { // a byte that starts no GBK character
            out += "\xEF\xBF\xBD";
            ++in;
            --inLeft;
        }
    }
    iconv_close(cd);
    return out;
}

} // namespace

uint32_t takeSeed(Args &args) {
    const std::string text = takeOption(args, "seed", "");
    if (text.empty()) return clockSeed();
    const int64_t value = strToInt64(text);
    if (value < 0 || value > int64_t(UINT32_MAX)) throw UserError("--seed 必须在0到4294967295之间！");
    return static_cast<uint32_t>(value);
}

std::string readInputFile(const std::string &path, bool legacyAllowed) {
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (!error && std::filesystem::is_directory(status)) throw UserError("“" + path + "”是一个文件夹，不是文件！");
    if (!error && std::filesystem::exists(status) && !std::filesystem::is_regular_file(status))
        throw UserError("“" + path + "”不是普通文件（设备、管道或套接字），无法读取！");
    std::ifstream in(path, std::ios::binary);
    if (!in) throw UserError("无法打开文件“" + path + "”！");
    std::string content(static_cast<size_t>(MaxTextFileBytes) + 1, '\0');
    in.read(content.data(), static_cast<std::streamsize>(content.size()));
    if (in.bad()) throw UserError("读取文件 " + path + " 出错");
    content.resize(static_cast<size_t>(in.gcount()));
    if (content.size() > static_cast<size_t>(MaxTextFileBytes))
        throw UserError("文件 " + path + " 太大（超过" + std::to_string(MaxTextFileBytes / (1024 * 1024)) +
                        " MB），不是本程序的文件！");
    std::optional<std::string> text = unicodeText(content, path);
    if (text) return std::move(*text);
    if (!legacyAllowed) throw UserError("文件“" + path + "”不是UTF-8编码的文本！");
    return gbkToUtf8(content);
}

std::vector<std::string> readInputLines(const std::string &path) {
    const std::string content = readInputFile(path);
    std::vector<std::string> lines;
    for (const std::string_view line : splitLines(content)) lines.emplace_back(line);
    return lines;
}

} // namespace corvel::report

int main(int argc, char **argv) {
    using namespace corvel::report;
    Args args(argv + 1, argv + argc);
    const auto usage = [] {
        std::cerr << "usage:\n";
        for (const auto &[name, entry] : registry()) std::cerr << "  corvel-report " << entry.usage << "\n";
        return 2;
    };
    if (args.empty() || args[0] == "--help" || args[0] == "-h") return usage();
    auto it = registry().find(args[0]);
    if (it != registry().end()) {
        args.erase(args.begin());
    } else {
        it = registry().find("");
        if (it == registry().end()) return usage();
    }
    try {
        return it->second.handler(args, std::cout, std::cerr);
    } catch (const corvel::UserError &e) {
        std::cerr << e.what() << "\n";
        return 1;
    }
}
