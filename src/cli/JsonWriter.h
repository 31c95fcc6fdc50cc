#pragma once
#include "texts/TextEncoding.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace kestrion::cli {

// Compact JSON built in order: the writer places the commas, escapes every string and
// turns bytes that are not UTF-8 into U+FFFD, so the output always parses.
class JsonWriter {
public:
    JsonWriter& begin_object() { return open('{'); }
    JsonWriter& end_object() { return close('}'); }
    JsonWriter& begin_array() { return open('['); }
    JsonWriter& end_array() { return close(']'); }

    JsonWriter& key(std::string_view name) {
        separate();
        put_string(name);
        out_ += ':';
        after_key_ = true;
        return *this;
    }
    JsonWriter& value(std::string_view text) {
        separate();
        put_string(text);
        return *this;
    }
    JsonWriter& value(const char* text) { return value(std::string_view(text)); }
    JsonWriter& value(const std::string& text) { return value(std::string_view(text)); }
    JsonWriter& value(std::int64_t number) {
        separate();
        out_ += std::to_string(number);
        return *this;
    }
    JsonWriter& value(bool flag) {
        separate();
        out_ += flag ? "true" : "false";
        return *this;
    }
    JsonWriter& null() {
        separate();
        out_ += "null";
        return *this;
    }
    template <class T> JsonWriter& field(std::string_view name, const T& v) {
        return key(name).value(v);
    }

    const std::string& str() const { return out_; }

private:
    JsonWriter& open(char bracket) {
        separate();
        out_ += bracket;
        first_.push_back(true);
        return *this;
    }
    JsonWriter& close(char bracket) {
        out_ += bracket;
        first_.pop_back();
        return *this;
    }
    void separate() {
        if (after_key_) {
            after_key_ = false;
            return;
        }
        if (first_.empty()) return;
        if (!first_.back()) out_ += ',';
        first_.back() = false;
    }
    void put_string(std::string_view raw) {
        const std::string text = sanitize_utf8(raw);
        out_ += '"';
        for (const char c : text) {
            switch (c) {
            case '"':
                out_ += "\\\"";
                break;
            case '\\':
                out_ += "\\\\";
                break;
            case '\n':
                out_ += "\\n";
                break;
            case '\r':
                out_ += "\\r";
                break;
            case '\t':
                out_ += "\\t";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char buf[8];
                    std::snprintf(buf, sizeof buf, "\\u%04x", static_cast<unsigned>(c));
                    out_ += buf;
                } else {
                    out_ += c;
                }
            }
        }
        out_ += '"';
    }

    std::string out_;
    std::vector<bool> first_;
    bool after_key_ = false;
};

} // namespace kestrion::cli
