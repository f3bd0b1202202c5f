#include "report/report.h"

#include "core/drawparse.h"
#include "core/usererror.h"

#include <algorithm>
#include <fstream>
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

std::string readInputFile(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw UserError("无法打开文件“" + path + "”！");
    std::string content(static_cast<size_t>(MaxTextFileBytes) + 1, '\0');
    in.read(content.data(), static_cast<std::streamsize>(content.size()));
    if (in.bad()) throw UserError("读取文件 " + path + " 出错");
    content.resize(static_cast<size_t>(in.gcount()));
    if (content.size() > static_cast<size_t>(MaxTextFileBytes))
        throw UserError("文件 " + path + " 太大（超过" + std::to_string(MaxTextFileBytes / (1024 * 1024)) +
                        " MB），不是本程序的文件！");
    return content;
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
