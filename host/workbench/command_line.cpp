#include "host/workbench/command_line.h"

namespace workbench {

std::vector<std::string> SplitCommandLine(const std::string& line) {
    std::vector<std::string> args;
    std::string current;
    bool inArgument = false;
    bool quoted = false;
    size_t i = 0;
    while (i < line.size()) {
        char c = line[i];
        if (!quoted && (c == ' ' || c == '\t' || c == '\n' || c == '\r')) {
            if (inArgument) {
                args.push_back(current);
                current.clear();
                inArgument = false;
            }
            ++i;
            continue;
        }
        inArgument = true;
        if (c == '\\') {
            size_t slashes = 0;
            while (i < line.size() && line[i] == '\\') {
                ++slashes;
                ++i;
            }
            if (i < line.size() && line[i] == '"') {
                current.append(slashes / 2, '\\');
                if (slashes % 2) {
                    current += '"';
                    ++i;
                }
                // An even count leaves the quote to toggle quoting below.
            } else {
                current.append(slashes, '\\');
            }
            continue;
        }
        if (c == '"') {
            // Inside quotes, a doubled quote is a literal quote.
            if (quoted && i + 1 < line.size() && line[i + 1] == '"') {
                current += '"';
                i += 2;
                continue;
            }
            quoted = !quoted;
            ++i;
            continue;
        }
        current += c;
        ++i;
    }
    if (inArgument) args.push_back(current);
    return args;
}

Options ParseOptions(const std::vector<std::string>& args) {
    Options options;
    std::vector<std::string> positional;
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--demo") {
            if (options.demo) {
                options.error = "--demo given twice";
                return options;
            }
            if (i + 1 >= args.size() || args[i + 1].empty()) {
                options.error = "--demo needs an output folder";
                return options;
            }
            options.demo = true;
            options.outDir = args[++i];
        } else if (arg == "--host-loop") {
            if (i + 1 >= args.size() || !hosting::ParseLoopKind(args[i + 1], options.hostLoop)) {
                options.error = "--host-loop needs accelerators, dialog or plain";
                return options;
            }
            ++i;
        } else if (arg.size() > 1 && arg[0] == '-' && arg[1] == '-') {
            options.error = "unknown option " + arg;
            return options;
        } else {
            positional.push_back(arg);
        }
    }
    if (positional.size() > 1) {
        options.error = "more than one module path";
        return options;
    }
    if (!positional.empty()) options.modulePath = positional[0];
    return options;
}

std::string BesideProgram(const std::string& programPath, const std::string& file) {
    size_t slash = programPath.find_last_of("\\/");
    if (slash == std::string::npos) return file;
    return programPath.substr(0, slash + 1) + file;
}

}  // namespace workbench
