#include "cases/CaseFile.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QJsonValue>
#include <QSaveFile>
#include <charconv>
#include <cmath>

#include "cases/Units.h"
#include "common/Numbers.h"

namespace calvora::cases {

namespace {

QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The key written just before character `offset` ("key": ...), for the message
// of a file that stops being JSON there; empty when there is none.
std::string KeyBefore(QByteArrayView bytes, qsizetype offset) {
  constexpr qsizetype kLongestKey = 64;
  for (qsizetype i = std::min(offset, bytes.size()) - 1; i > 0; --i) {
    if (bytes[i] != ':')
      continue;
    qsizetype end = i - 1;
    while (end >= 0 &&
           (bytes[end] == ' ' || bytes[end] == '\n' || bytes[end] == '\r' || bytes[end] == '\t'))
      --end;
    if (end < 1 || bytes[end] != '"')
      continue;
    qsizetype start = end - 1;
    while (start >= 0 && bytes[start] != '"' && end - start <= kLongestKey)
      --start;
    if (start >= 0 && bytes[start] == '"')
      return bytes.sliced(start + 1, end - start - 1).toByteArray().toStdString();
  }
  return {};
}

std::string ItemList(std::span<const std::string_view> items) {
  std::string list;
  for (const auto item : items) {
    if (!list.empty())
      list += ", ";
    list += "\"" + std::string(item) + "\"";
  }
  return list;
}

}  // namespace

std::string CaseFault::Message() const {
  return key.empty() ? file + ": " + what : file + ": " + key + ": " + what;
}

std::string NumberText(double value, char separator) {
  char buffer[32];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
  std::string text(buffer, end);
  for (char& c : text)
    if (c == '.')
      c = separator;
  return text;
}

bool LoadCase(const QString& path, CaseDocument& document, CaseFault& fault) {
  fault = {path.toStdString(), {}, {}};
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    fault.what = kCannotOpen;
    return false;
  }
  // The size is asked first, and the read is bounded as well: a device or a
  // pipe has no size to ask.
  if (file.size() > kMaximumCaseBytes) {
    fault.what = kTooBig;
    return false;
  }
  const QByteArray bytes = file.read(kMaximumCaseBytes + 1);
  if (bytes.size() > kMaximumCaseBytes) {
    fault.what = kTooBig;
    return false;
  }
  return ParseCase(bytes, path, document, fault);
}

bool ParseCase(QByteArrayView bytes, const QString& file, CaseDocument& document,
               CaseFault& fault) {
  fault = {file.toStdString(), {}, {}};
  if (bytes.size() > kMaximumCaseBytes) {
    fault.what = kTooBig;
    return false;
  }
  QJsonParseError error;
  const QJsonDocument json = QJsonDocument::fromJson(bytes.toByteArray(), &error);
  if (error.error != QJsonParseError::NoError) {
    fault.key = KeyBefore(bytes, error.offset);
    fault.what = std::string(kNotJson) + ": " + error.errorString().toStdString() +
                 " at character " + std::to_string(error.offset);
    return false;
  }
  if (!json.isObject()) {
    fault.what = kNotAnObject;
    return false;
  }
  const QJsonObject root = json.object();
  CaseDocument read;
  read.file = file;
  for (auto it = root.begin(); it != root.end(); ++it) {
    const std::string key = it.key().toStdString();
    const QJsonValue value = it.value();
    fault.key = key;
    if (key == "format") {
      if (!value.isString()) {
        fault.what = kWantString;
        return false;
      }
      if (value.toString() != ToQString(kFormatName)) {
        fault.what = kNotCaseFormat;
        return false;
      }
    } else if (key == "version") {
      if (!value.isDouble()) {
        fault.what = kWantNumber;
        return false;
      }
      if (value.toDouble() != kFormatVersion) {
        fault.what = kLaterVersion;
        return false;
      }
    } else if (key == "kind") {
      read.kind = value.toString().toStdString();
      if (!value.isString() || std::find(kKinds.begin(), kKinds.end(), read.kind) == kKinds.end()) {
        fault.what = kUnknownKind;
        return false;
      }
    } else if (key == "inputs" || key == "results") {
      if (!value.isObject()) {
        fault.what = kWantObject;
        return false;
      }
      if (key == "inputs")
        read.inputs = value.toObject();
      else
        read.results = value.toObject();
    } else {
      fault.what = kUnknownKey;
      return false;
    }
  }
  for (const char* required : {"format", "version", "kind", "inputs"}) {
    if (!root.contains(QLatin1String(required))) {
      fault.key = required;
      fault.what = kMissing;
      return false;
    }
  }
  document = std::move(read);
  fault = {};
  return true;
}

QByteArray CaseBytes(std::string_view kind, const QJsonObject& inputs, const QJsonObject* results) {
  QJsonObject root;
  root.insert("format", ToQString(kFormatName));
  root.insert("version", kFormatVersion);
  root.insert("kind", ToQString(kind));
  root.insert("inputs", inputs);
  if (results)
    root.insert("results", *results);
  return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

bool SaveCase(const QString& path, const QByteArray& bytes, CaseFault& fault) {
  fault = {path.toStdString(), {}, kCannotSave};
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
    return false;
  fault = {};
  return true;
}

bool ReadResults(const CaseDocument& document, bool (*known)(const void*, std::string_view),
                 const void* context, std::vector<SavedResult>& results, CaseFault& fault) {
  fault = {document.file.toStdString(), {}, {}};
  std::vector<SavedResult> read;
  if (document.results) {
    for (auto it = document.results->begin(); it != document.results->end(); ++it) {
      const std::string key = it.key().toStdString();
      fault.key = "results." + key;
      if (!known(context, key)) {
        fault.what = kUnknownKey;
        return false;
      }
      if (!it.value().isDouble()) {
        fault.what = kWantNumber;
        return false;
      }
      read.push_back({key, it.value().toDouble()});
    }
  }
  results = std::move(read);
  fault = {};
  return true;
}

QJsonObject ResultsJson(std::span<const SavedResult> results) {
  QJsonObject object;
  for (const auto& result : results)
    if (std::isfinite(result.value))
      object.insert(ToQString(result.key), result.value);
  return object;
}

bool TextFromJson(const QJsonValue& value, std::string_view unit, char separator, std::string& text,
                  std::string& what) {
  double number = 0;
  if (value.isDouble()) {
    number = value.toDouble();
  } else if (value.isString()) {
    const std::string typed = value.toString().toStdString();
    if (typed.find_first_not_of(" \t") == std::string::npos) {
      text.clear();
      return true;
    }
    const auto quantity = ParseQuantity(typed, unit, what);
    if (!quantity)
      return false;
    number = *quantity;
  } else {
    what = kWantText;
    return false;
  }
  if (!std::isfinite(number)) {
    what = kNotFinite;
    return false;
  }
  if (number == 0)
    number = 0;  // -0 is 0: the file cannot keep the sign of a zero
  text = NumberText(number, separator);
  return true;
}

QJsonValue JsonFromText(const std::string& text, char separator) {
  if (text.find_first_not_of(" \t") == std::string::npos)
    return QString();
  if (const auto number = TryParseNumber(text, separator))
    return *number;
  return QString::fromStdString(text);
}

bool ChoiceFromJson(const QJsonValue& value, std::span<const std::string_view> items, int& index,
                    std::string& what) {
  if (value.isNull()) {
    index = -1;
    return true;
  }
  if (value.isString()) {
    const std::string item = value.toString().toStdString();
    for (std::size_t i = 0; i < items.size(); ++i) {
      if (items[i] == item) {
        index = static_cast<int>(i);
        return true;
      }
    }
  }
  what = kWantChoice + ItemList(items) + " (or null)";
  return false;
}

QJsonValue JsonFromChoice(int index, std::span<const std::string_view> items) {
  if (index < 0 || static_cast<std::size_t>(index) >= items.size())
    return QJsonValue(QJsonValue::Null);
  return ToQString(items[static_cast<std::size_t>(index)]);
}

bool SymbolsFromJson(const QJsonValue& value, std::span<const std::string_view> symbols,
                     std::vector<bool>& marked, std::string& what) {
  marked.assign(symbols.size(), false);
  what = kWantSymbols + ItemList(symbols);
  if (!value.isArray())
    return false;
  for (const QJsonValue entry : value.toArray()) {
    if (!entry.isString())
      return false;
    const std::string symbol = entry.toString().toStdString();
    const auto it = std::find(symbols.begin(), symbols.end(), symbol);
    if (it == symbols.end())
      return false;
    const auto i = static_cast<std::size_t>(it - symbols.begin());
    if (marked[i]) {
      what = kTwice;
      return false;
    }
    marked[i] = true;
  }
  what.clear();
  return true;
}

QJsonValue JsonFromSymbols(std::span<const std::string_view> symbols,
                           const std::vector<bool>& marked) {
  QJsonArray list;
  for (std::size_t i = 0; i < symbols.size(); ++i)
    if (marked[i])
      list.append(ToQString(symbols[i]));
  return list;
}

}  // namespace calvora::cases
