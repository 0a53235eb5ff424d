// libFuzzer target: the double-pipe analysis from fuzzed entries, run as the
// design screen's OK handler runs it (guard, analysis, final arithmetic check,
// the three catches). Any run must end in results whose shown fields are finite,
// or in failed checks, or in one of the three failures; nothing else (a crash, a
// sanitizer report, a hang, an escaping exception) is allowed.
//
// Input: 8 bytes of choices (fluids, material, check boxes, flow condition, tube
// types, decimal separator), then the entries separated by newlines in the
// order of DoublePipeInputs' texts; missing entries stay empty.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "analyses/DoublePipe.h"
#include "common/Errors.h"
#include "common/FloatingPoint.h"
#include "common/Messages.h"

namespace {

// -1 (nothing selected) .. count (past the items).
int Choice(std::uint8_t byte, int count) {
  return static_cast<int>(byte % (count + 2)) - 1;
}

[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "property broken: %s\n", what);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 8)
    return 0;
  calvora::DoublePipeInputs in;
  in.innerFluid = Choice(data[0], 4);
  in.outerFluid = Choice(data[1], 4);
  in.material = Choice(data[2], 5);
  in.pressureDrops = data[3] & 1;
  in.iteration = data[3] & 2;
  in.flowCondition = Choice(data[4], 2);
  in.innerTubeType = Choice(data[5], 2);
  in.outerTubeType = Choice(data[6], 2);
  in.decimalSeparator = data[7] & 1 ? ',' : '.';

  std::vector<std::string*> entries = {&in.innerTubeInsideDiameter,
                                       &in.innerTubeOutsideDiameter,
                                       &in.outerTubeInsideDiameter,
                                       &in.outerTubeOutsideDiameter,
                                       &in.length,
                                       &in.innerMassFlow,
                                       &in.outerMassFlow,
                                       &in.innerTemperature,
                                       &in.outerTemperature,
                                       &in.otherMaterialConductivity,
                                       &in.inletPipeDiameter,
                                       &in.outletPipeDiameter};
  for (std::string& t : in.innerFluidData)
    entries.push_back(&t);
  for (std::string& t : in.outerFluidData)
    entries.push_back(&t);
  const std::string_view rest(reinterpret_cast<const char*>(data + 8), size - 8);
  std::size_t start = 0;
  for (std::string* entry : entries) {
    if (start > rest.size())
      break;
    const std::size_t end = std::min(rest.find('\n', start), rest.size());
    *entry = std::string(rest.substr(start, end - start));
    start = end + 1;
  }

  calvora::RecordingMessages messages;
  try {
    calvora::FloatingPointGuard guard;
    const calvora::DesignRun run = calvora::DoublePipeAnalysis(in, messages);
    calvora::CheckArithmetic();
    if (run.resultsFlag) {
      const calvora::DesignResult& r = run.result;
      const double always[] = {
          r.innerMassFlow,  r.outerMassFlow,        r.innerReynolds,        r.outerReynolds,
          r.surfaceArea,    r.innerFilmCoefficient, r.outerFilmCoefficient, r.overallCoefficient,
          r.innerDensity,   r.outerDensity,         r.innerPrandtl,         r.outerPrandtl,
          r.innerViscosity, r.outerViscosity,       r.innerConductivity,    r.outerConductivity};
      for (double v : always)
        if (!std::isfinite(v))
          Fail("a shown result is not finite");
      if (in.iteration &&
          !(std::isfinite(r.heatTransferRate) && std::isfinite(r.coldOutletTemperature) &&
            std::isfinite(r.hotOutletTemperature)))
        Fail("a shown heat duty or exit temperature is not finite");
      if (in.pressureDrops &&
          !(std::isfinite(r.innerPressureDrop) && std::isfinite(r.outerPressureDrop)))
        Fail("a shown pressure drop is not finite");
    } else if (messages.messages.empty()) {
      Fail("no results and no message");
    }
  } catch (const calvora::MathError&) {
  } catch (const calvora::ConversionError&) {
  } catch (const calvora::SelectionError&) {
  }
  return 0;
}
