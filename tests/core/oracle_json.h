// A small JSON reader for the oracle records of the real-file corpus: objects, arrays,
// strings (with \u escapes, kept as UTF-16), numbers, true, false, null.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

struct Json {
    enum Kind { kNull, kBool, kNumber, kString, kArray, kObject } kind = kNull;
    bool boolean = false;
    double number = 0;
    std::u16string text;
    std::vector<Json> items;
    std::map<std::string, Json> fields;

    const Json& operator[](const std::string& key) const;  // a null Json when missing
    bool Has(const std::string& key) const { return fields.count(key) != 0; }
};

// False when `source` is not valid JSON of that subset.
bool ParseJson(const std::string& source, Json* out);
