#include "form/set_records.hpp"

#include "text/number_text.hpp"
#include "time/date_serial.hpp"

#include <array>
#include <cstdio>

namespace skyanchor {
namespace {

constexpr std::size_t kKeywordLength = 4;  // "RPOS", "RVEL"
constexpr std::array<std::string_view, 10> kFieldNames{"longitude", "direction", "mjd", "instant", "x",
                                                       "z",         "y",         "vx",  "vz",      "vy"};

// A line's three numbers as it writes them, without the blanks that stand for a sign.
std::vector<std::string> numbersOf(std::string_view line) {
    std::vector<std::string> numbers;
    line.remove_prefix(std::min(kKeywordLength, line.size()));
    while (!line.empty()) {
        const std::size_t start = line.find_first_not_of(' ');
        if (start == std::string_view::npos) break;
        line.remove_prefix(start);
        const std::size_t end = std::min(line.find(' '), line.size());
        numbers.emplace_back(line.substr(0, end));
        line.remove_prefix(end);
    }
    return numbers;
}

std::optional<std::string> isoInstant(double mjdNumber) {
    if (!(mjdNumber >= kFirstMjd && mjdNumber < kMjdUpperBound)) return std::nullopt;
    const CivilDateTime civil = civilFromSerial(dateFromMjd(mjdNumber));
    const auto seconds = static_cast<int>(civil.timeOfDay.count());
    std::array<char, 64> text{};
    std::snprintf(text.data(), text.size(), "%04d-%02u-%02uT%02d:%02d:%02dZ", static_cast<int>(civil.date.year()),
                  static_cast<unsigned>(civil.date.month()), static_cast<unsigned>(civil.date.day()), seconds / 3600,
                  seconds / 60 % 60, seconds % 60);
    return std::string(text.data());
}

// The record's values as text, in the order of kFieldNames; the instant none where the MJD names no day.
struct RecordTexts {
    std::vector<std::string> numbers;  // longitude, MJD, then the lines' six
    std::string direction;
    std::optional<std::string> instant;
};

RecordTexts textsOf(const SatelliteRecord& record) {
    RecordTexts texts{.numbers = {formatNumber(record.satellite.longitude), formatNumber(record.mjd)},
                      .direction = record.satellite.west ? "W" : "E",
                      .instant = isoInstant(record.mjd)};
    for (const std::string* line : {&record.lines.rpos, &record.lines.rvel}) {
        for (std::string& number : numbersOf(*line)) texts.numbers.push_back(std::move(number));
    }
    return texts;
}

// A number the lines write as NaN or Infinity has no json form.
std::string jsonNumber(const std::string& number) {
    return number == "NaN" || number.ends_with("Infinity") ? "null" : number;
}

std::string csvRecord(const RecordTexts& texts) {
    std::string row = texts.numbers[0];
    for (const std::string* value : {&texts.direction, &texts.numbers[1]}) row.append(",").append(*value);
    row.append(",").append(texts.instant.value_or(""));
    for (std::size_t at = 2; at < texts.numbers.size(); ++at) row.append(",").append(texts.numbers[at]);
    return row.append("\n");
}

void appendField(std::string& object, std::string_view name, std::string_view value) {
    object.append(object.size() > 1 ? ", \"" : "\"").append(name).append("\": ").append(value);
}

std::string quotedValue(std::string_view text) { return std::string("\"").append(text).append("\""); }

std::string jsonRecord(const RecordTexts& texts) {
    std::string object = "{";
    appendField(object, kFieldNames[0], jsonNumber(texts.numbers[0]));
    appendField(object, kFieldNames[1], quotedValue(texts.direction));
    appendField(object, kFieldNames[2], jsonNumber(texts.numbers[1]));
    appendField(object, kFieldNames[3], texts.instant ? quotedValue(*texts.instant) : "null");
    for (std::size_t at = 2; at < texts.numbers.size() && at + 2 < kFieldNames.size(); ++at) {
        appendField(object, kFieldNames[at + 2], jsonNumber(texts.numbers[at]));
    }
    return object.append("}");
}

}  // namespace

std::optional<RecordFormat> recordFormatNamed(std::string_view name) {
    if (name == "lines") return RecordFormat::Lines;
    if (name == "csv") return RecordFormat::Csv;
    if (name == "json") return RecordFormat::Json;
    return std::nullopt;
}

std::string writeRecords(const std::vector<SatelliteRecord>& records, RecordFormat format) {
    std::string output;
    if (format == RecordFormat::Csv) {
        for (const std::string_view name : kFieldNames) output.append(output.empty() ? "" : ",").append(name);
        output.append("\n");
    }
    if (format == RecordFormat::Json) output += '[';
    for (const SatelliteRecord& record : records) {
        switch (format) {
        case RecordFormat::Lines: output.append(record.lines.rpos).append("\n").append(record.lines.rvel).append("\n"); break;
        case RecordFormat::Csv: output.append(csvRecord(textsOf(record))); break;
        case RecordFormat::Json: output.append(output.size() > 1 ? ",\n " : "\n ").append(jsonRecord(textsOf(record))); break;
        }
    }
    if (format == RecordFormat::Json) output += "\n]\n";
    return output;
}

}  // namespace skyanchor
