// libFuzzer target: the case reader on arbitrary bytes, with a small record of
// every kind of entry (texts with and without a unit, a choice, a check box, a
// set of symbols). Promises: a refused file names a fault and leaves the record
// as it was; an accepted file gives a record whose file, read again into a
// fresh record, gives the same record and the same bytes.

#include <QByteArray>
#include <QString>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzChecks.h"
#include "cases/CaseFile.h"

namespace {

using calvora::fields::Kind;

struct Entries {
  std::string length{}, temperature{}, count{};
  int layout = 0;
  bool drops = false;
  std::array<bool, 3> unknown{};
  char separator = ',';
  bool operator==(const Entries&) const = default;
};

constexpr std::string_view kLayouts[] = {"In line", "Staggered"};
constexpr std::string_view kSymbols[] = {"Th0", "Mh", "Q"};
const calvora::fields::InputField<Entries> kRows[] = {
    {"L", Kind::Text, "S", "Edit1", "", "m", [](Entries& e) -> std::string& { return e.length; }},
    {"Th1", Kind::Text, "S", "Edit2", "", "degC",
     [](Entries& e) -> std::string& { return e.temperature; }},
    {"Nt", Kind::Text, "S", "Edit3", "", "", [](Entries& e) -> std::string& { return e.count; }},
    {"layout", Kind::Choice, "S", "RadioGroup1", "", "", nullptr,
     [](Entries& e) -> int& { return e.layout; }, nullptr, kLayouts},
    {"drops", Kind::Check, "S", "CheckBox1", "", "", nullptr, nullptr,
     [](Entries& e) -> bool& { return e.drops; }},
};
const calvora::cases::SymbolSet<Entries> kSets[] = {
    {"unknowns", kSymbols, [](Entries& e, std::size_t i) -> bool& { return e.unknown[i]; }}};
const calvora::cases::CaseSchema<Entries> kSchema{"thermal", kRows, kSets,
                                                  [](const Entries& e) { return e.separator; }};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const QString file = QStringLiteral("fuzz.json");
  calvora::cases::CaseDocument document;
  calvora::cases::CaseFault fault;
  Entries entries{"1", "2", "3", 1, true, {true, false, true}, ','};
  const Entries before = entries;
  if (!calvora::cases::ParseCase(bytes, file, document, fault) ||
      !calvora::cases::ApplyInputs(document, kSchema, entries, fault)) {
    if (fault.what.empty() || fault.file != "fuzz.json")
      fuzz::Fail("a refused file without its fault");
    if (!(entries == before))
      fuzz::Fail("a refused file changed the record: " + fault.Message());
    return 0;
  }
  const QByteArray written =
      calvora::cases::CaseBytes("thermal", calvora::cases::InputsJson(kSchema, entries));
  Entries again;
  if (!calvora::cases::ParseCase(written, file, document, fault) ||
      !calvora::cases::ApplyInputs(document, kSchema, again, fault))
    fuzz::Fail("a written file is refused: " + fault.Message());
  if (!(again == entries))
    fuzz::Fail("a written file reads back differently");
  if (calvora::cases::CaseBytes("thermal", calvora::cases::InputsJson(kSchema, again)) != written)
    fuzz::Fail("a file written twice differs");
  return 0;
}
