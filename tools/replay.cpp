// Runs a program headless with scripted keys and writes what it drew.
//
//   replay PROGRAM [--keys TEXT | --keys-file FILE] [--time HH:MM:SS] [--log FILE] [--png FILE] [--shots DIR] [--scale S]
//   replay typeset TEXT [--at X,Y] [--colour C] [--bun] [--log FILE] [--png FILE]
//
// Exit status: 0 the program ended, 3 it waited for a key and none was left,
// 4 it reached the error screen, 2 bad usage.  The last line on stdout is a
// JSON summary.
#include <cstdio>
#include <filesystem>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>

#include "platform/headless.h"
#include "platform/render.h"
#include "programs/programs.h"
#include "state/program.h"
#include "shell/shell.h"
#include "typeset/typeset.h"

namespace {

using namespace cw;

const char* const USAGE =
    "usage: replay PROGRAM [--keys TEXT | --keys-file FILE] [--time HH:MM:SS] [--log FILE] [--png FILE] [--shots DIR] [--scale S]\n"
    "       replay typeset TEXT [--at X,Y] [--colour C] [--bun] [--log FILE] [--png FILE]\n"
    "PROGRAM is kelvane, dorrith or sarnoth.\n";

int usage(const std::string& why) {
    std::cerr << "replay: " << why << "\n" << USAGE;
    return 2;
}

std::string json_str(const std::string& s) {
    std::string out = "\"";
    for (unsigned char c : s) {
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            case '\b': out += "\\b"; break;
            case '\f': out += "\\f"; break;
            default:
                if (c < 0x20) {
                    char buf[8];
                    std::snprintf(buf, sizeof buf, "\\u%04x", c);
                    out += buf;
                } else {
                    out += static_cast<char>(c);
                }
        }
    }
    return out + "\"";
}

std::string num(float v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.9g", static_cast<double>(v));
    return buf;
}

const char* op_name(Op op) {
    switch (op) {
        case Op::Line: return "line";
        case Op::Box: return "box";
        case Op::Fill: return "fill";
        case Op::Circle: return "circle";
        case Op::Polyline: return "polyline";
        case Op::Text: return "text";
        case Op::Cls: return "cls";
        case Op::Expr: return "expr";
        case Op::Prompt: return "prompt";
        case Op::Key: return "key";
    }
    return "?";
}

std::string to_json(const DrawOp& op) {
    std::ostringstream o;
    o << "{\"op\": \"" << op_name(op.op) << "\"";
    switch (op.op) {
        case Op::Line:
        case Op::Box:
        case Op::Fill:
            o << ", \"x1\": " << num(op.x1) << ", \"y1\": " << num(op.y1) << ", \"x2\": " << num(op.x2)
              << ", \"y2\": " << num(op.y2) << ", \"c\": " << op.c << ", \"f\": " << (op.op == Op::Fill ? op.f : op.c)
              << ", \"w\": " << op.w;
            if (op.bar) o << ", \"bar\": true";
            break;
        case Op::Circle:
            o << ", \"cx\": " << num(op.x1) << ", \"cy\": " << num(op.y1) << ", \"r\": " << num(op.r)
              << ", \"start\": " << num(op.start) << ", \"end\": " << num(op.end) << ", \"c\": " << op.c
              << ", \"fill\": " << (op.filled ? "true" : "false") << ", \"f\": " << op.f << ", \"w\": " << op.w;
            break;
        case Op::Polyline:
            o << ", \"points\": [";
            for (size_t i = 0; i < op.pts.size(); ++i)
                o << (i ? ", " : "") << "[" << num(op.pts[i].first) << ", " << num(op.pts[i].second) << "]";
            o << "], \"c\": " << op.c << ", \"w\": " << op.w;
            break;
        case Op::Text:
            o << ", \"x\": " << num(op.x1) << ", \"y\": " << num(op.y1) << ", \"p\": " << op.p << ", \"q\": " << op.q
              << ", \"c\": " << op.c << ", \"s\": " << json_str(op.s) << ", \"face\": " << json_str(op.font.face)
              << ", \"size\": " << num(op.font.size) << ", \"bold\": " << (op.font.bold ? "true" : "false")
              << ", \"italic\": " << (op.font.italic ? "true" : "false");
            if (op.role == GlyphRole::Operator) o << ", \"role\": \"operator\"";
            if (!op.fits.empty()) {
                o << ", \"fits\": [";
                for (size_t i = 0; i < op.fits.size(); ++i) {
                    const GlyphFit& f = op.fits[i];
                    o << (i ? ", " : "") << "{\"index\": " << f.index << ", \"scale\": " << num(f.scale)
                      << ", \"dx\": " << num(f.dx) << ", \"dy\": " << num(f.dy) << "}";
                }
                o << "]";
            }
            if (!op.glyphs.empty()) {
                o << ", \"glyphs\": [";
                for (size_t i = 0; i < op.glyphs.size(); ++i) {
                    const PlacedGlyph& g = op.glyphs[i];
                    o << (i ? ", " : "") << "{\"index\": " << g.index << ", \"drawn\": " << json_str(g.drawn)
                      << ", \"x\": " << num(static_cast<float>(g.tx)) << ", \"y\": " << num(static_cast<float>(g.ty))
                      << ", \"sx\": " << num(static_cast<float>(g.sx)) << ", \"sy\": " << num(static_cast<float>(g.sy))
                      << ", \"weight\": " << num(static_cast<float>(g.weight)) << "}";
                }
                o << "]";
            }
            break;
        case Op::Cls:
            break;
        case Op::Expr:
        case Op::Prompt:
            o << ", \"x\": " << num(op.x1) << ", \"y\": " << num(op.y1) << ", \"c\": " << op.c
              << ", \"s\": " << json_str(op.s);
            break;
        case Op::Key:
            o << ", \"k\": " << json_str(op.s);
            break;
    }
    o << "}";
    return o.str();
}

// "\n" is Enter, "\b" Backspace, "\x0c" code 12, "\\" a backslash.
bool unescape_keys(const std::string& in, std::string& out) {
    for (size_t i = 0; i < in.size(); ++i) {
        if (in[i] != '\\') {
            out += in[i];
            continue;
        }
        if (i + 1 >= in.size()) return false;
        char e = in[++i];
        if (e == 'n') {
            out += '\r';
        } else if (e == 'b') {
            out += '\b';
        } else if (e == '\\') {
            out += '\\';
        } else if (e == 'x' && i + 2 < in.size()) {
            std::string hex = in.substr(i + 1, 2);
            char* end = nullptr;
            long v = std::strtol(hex.c_str(), &end, 16);
            if (*end != '\0') return false;
            out += static_cast<char>(v);
            i += 2;
        } else {
            return false;
        }
    }
    return true;
}

bool valid_time(const std::string& t) {
    if (t.size() != 8 || t[2] != ':' || t[5] != ':') return false;
    for (int i : {0, 1, 3, 4, 6, 7})
        if (t[i] < '0' || t[i] > '9') return false;
    return std::stoi(t.substr(0, 2)) < 24 && std::stoi(t.substr(3, 2)) < 60 && std::stoi(t.substr(6, 2)) < 60;
}

struct Options {
    std::map<std::string, std::string> values;
    bool bun = false;
};

int parse(int argc, char** argv, int from, Options& o, std::initializer_list<const char*> allowed, bool allow_bun) {
    for (int i = from; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--bun" && allow_bun) {
            o.bun = true;
            continue;
        }
        bool ok = false;
        for (const char* name : allowed) ok = ok || a == name;
        if (!ok) return usage("unknown option " + a);
        if (i + 1 >= argc) return usage(a + " needs a value");
        o.values[a] = argv[++i];
    }
    return 0;
}

class Log {
public:
    explicit Log(const std::string& path) {
        if (!path.empty()) {
            file_.open(path);
            ok_ = file_.good();
        }
    }
    bool ok() const { return ok_; }
    void write(const DrawOp& op) {
        ++count_;
        if (file_.is_open()) file_ << to_json(op) << "\n";
    }
    long count() const { return count_; }

private:
    std::ofstream file_;
    bool ok_ = true;
    long count_ = 0;
};

int run_typeset(int argc, char** argv) {
    if (argc < 3) return usage("typeset needs a TEXT");
    Options o;
    if (int rc = parse(argc, argv, 3, o, {"--at", "--colour", "--log", "--png"}, true)) return rc;
    float x = 100, y = 200, colour = 0;
    if (o.values.count("--at")) {
        std::string at = o.values["--at"];
        if (std::sscanf(at.c_str(), "%f,%f", &x, &y) != 2) return usage("--at takes X,Y");
    }
    if (o.values.count("--colour")) {
        char* end = nullptr;
        long c = std::strtol(o.values["--colour"].c_str(), &end, 10);
        if (*end != '\0' || c < 0 || c > 15) return usage("--colour takes 0 to 15");
        colour = static_cast<float>(c);
    }
    Log log(o.values.count("--log") ? o.values["--log"] : "");
    if (!log.ok()) return usage("cannot write " + o.values["--log"]);

    HeadlessBackend backend;
    Platform pf(backend);
    auto prog = make_program("kelvane", pf);
    Program& g = *prog;
    INITIALIZE_PROGRAM(g);
    pf.observer = [&](const DrawOp& op) { log.write(op); };
    g.X = x;
    g.Y = y;
    g.CCC1 = colour;
    g.BUN = o.bun ? 1.0f : 0.0f;
    g.AA_s = argv[2];
    try {
        DRAW_EXPRESSION_TEXT(g);
    } catch (const RuntimeError& e) {
        std::cerr << "replay: " << e.what() << "\n";
        std::cout << "{\"end\": \"error\", \"keys_used\": 0, \"ops\": " << log.count() << "}\n";
        return 4;
    }
    if (o.values.count("--png") && !write_png(backend.screen().kept(), o.values["--png"], 1.0)) {
        std::cerr << "replay: cannot write " << o.values["--png"] << "\n";
        return 2;
    }
    std::ostringstream out;
    const std::pair<const char*, float> vars[] = {
        {"X", g.X},           {"Y", g.Y},           {"LLT", g.LLT},           {"BUN", g.BUN},
        {"JYOU", g.JYOU},     {"JYOUK", g.JYOUK},   {"HROOT", g.HROOT},       {"TXM", g.TXM},
        {"XT", g.XT},         {"YT", g.YT},         {"NAGA", g.NAGA},         {"TBSI", g.TBSI},
        {"TBBO", g.TBBO},     {"TBSI1", g.TBSI1},   {"TBBO1", g.TBBO1},       {"BSEN", g.BSEN},
        {"TBSIYAKX", g.TBSIYAKX}, {"TBSIYAKY", g.TBSIYAKY}, {"TBBOYAKX", g.TBBOYAKX}, {"TBBOYAKY", g.TBBOYAKY}};
    out << "{";
    bool first = true;
    for (auto& [name, value] : vars) {
        out << (first ? "" : ", ") << "\"" << name << "\": " << num(value);
        first = false;
    }
    out << "}";
    std::cout << out.str() << "\n";
    return 0;
}

int run_program(int argc, char** argv) {
    std::string name = argv[1];
    Options o;
    if (int rc = parse(argc, argv, 2, o, {"--keys", "--keys-file", "--time", "--log", "--png", "--shots", "--scale"},
                       false))
        return rc;
    // A file holds the keys as --keys takes them, for scripts longer than
    // one argument may be.
    std::string script = o.values.count("--keys") ? o.values["--keys"] : "";
    if (o.values.count("--keys-file")) {
        if (o.values.count("--keys")) return usage("give --keys or --keys-file, not both");
        std::ifstream in(o.values["--keys-file"], std::ios::binary);
        if (!in) return usage("cannot read " + o.values["--keys-file"]);
        script.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    std::string keys;
    if (!unescape_keys(script, keys)) return usage("bad escape in the keys (use \\n, \\b, \\x0c or \\\\)");
    std::string time = o.values.count("--time") ? o.values["--time"] : "00:00:00";
    if (!valid_time(time)) return usage("--time takes HH:MM:SS");
    double scale = 1.0;
    if (o.values.count("--scale")) {
        char* end = nullptr;
        scale = std::strtod(o.values["--scale"].c_str(), &end);
        if (*end != '\0' || !(scale > 0.05 && scale <= 8)) return usage("--scale takes a number from 0.05 to 8");
    }
    Log log(o.values.count("--log") ? o.values["--log"] : "");
    if (!log.ok()) return usage("cannot write " + o.values["--log"]);

    HeadlessBackend backend(keys, time);
    // Only pictures read the screen.
    backend.keep_screen(o.values.count("--png") || o.values.count("--shots"));
    Platform pf(backend);
    auto prog = make_program(name, pf);
    if (!prog) return usage("unknown program " + name);
    pf.observer = [&](const DrawOp& op) { log.write(op); };
    std::string shots = o.values.count("--shots") ? o.values["--shots"] : "";
    int shot = 0;
    bool shots_ok = true;
    if (!shots.empty()) {
        std::error_code ec;
        std::filesystem::create_directories(shots, ec);
        if (ec) return usage("cannot make " + shots);
        backend.on_wait = [&] {
            char file[32];
            std::snprintf(file, sizeof file, "/%04d.png", ++shot);
            shots_ok = write_png(backend.screen().kept(), shots + file, scale) && shots_ok;
        };
    }

    std::string end = "program";
    int rc = 0;
    try {
        cw::run_program(*prog);
    } catch (const KeysExhausted&) {
        end = "keys";
        rc = 3;
    } catch (const ErrorScreenReached&) {
        end = "error";
        rc = 4;
    }
    if (o.values.count("--png") && !write_png(backend.screen().kept(), o.values["--png"], scale)) {
        std::cerr << "replay: cannot write " << o.values["--png"] << "\n";
        rc = rc ? rc : 2;
    }
    if (!shots_ok) std::cerr << "replay: cannot write pictures into " << shots << "\n";
    std::cout << "{\"end\": \"" << end << "\", \"keys_used\": " << backend.keys_used() << ", \"ops\": " << log.count()
              << "}\n";
    return rc;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return usage("no PROGRAM given");
    std::string first = argv[1];
    if (first == "-h" || first == "--help") {
        std::cout << USAGE;
        return 0;
    }
    if (first == "typeset") return run_typeset(argc, argv);
    return run_program(argc, argv);
}
