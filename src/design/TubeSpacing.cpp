#include "design/TubeSpacing.h"

#include <optional>

#include "analyses/TubeBankTables.h"
#include "common/Numbers.h"
#include "design/DesignCaptions.h"

namespace calvora::design {

SpacingCheck CheckTubeSpacing(bool staggered, std::string_view sp, std::string_view sn,
                              std::string_view outsideDiameter, char decimalSeparator) {
  const std::optional<double> spValue = TryParseNumber(sp, decimalSeparator);
  const std::optional<double> snValue = TryParseNumber(sn, decimalSeparator);
  const std::optional<double> d = TryParseNumber(outsideDiameter, decimalSeparator);
  if (!spValue || !snValue || !d)
    return SpacingCheck::MissingData;
  const double spRatio = *spValue / *d;
  const double snRatio = *snValue / *d;
  const double spMinimum = staggered ? 0.6 : 1.25;
  if (!(spRatio >= spMinimum && spRatio <= 3 && snRatio >= 1.25 && snRatio <= 3))
    return SpacingCheck::OutOfRange;
  if (staggered && (StaggeredBankCoefficient(spRatio, snRatio) == 0 ||
                    StaggeredBankExponent(spRatio, snRatio) == 0))
    return SpacingCheck::NoCoefficients;
  return SpacingCheck::Accepted;
}

SpacingCheck CheckTubeSpacing(const CrossFlowInputs& in) {
  if (in.arrangement == 0)
    return CheckTubeSpacing(false, in.inLinePitchParallel, in.inLinePitchNormal,
                            in.tubeOutsideDiameter, in.decimalSeparator);
  if (in.arrangement == 1)
    return CheckTubeSpacing(true, in.staggeredPitchParallel, in.staggeredPitchNormal,
                            in.tubeOutsideDiameter, in.decimalSeparator);
  return SpacingCheck::Accepted;
}

SpacingMessage MessageOf(SpacingCheck check) {
  switch (check) {
    case SpacingCheck::MissingData:
      return {MessageKind::Warning, kPleaseEnterRequiredData};
    case SpacingCheck::OutOfRange:
      return {MessageKind::Information, kOutOfRangeMessage};
    case SpacingCheck::NoCoefficients:
      return {MessageKind::Information, kNoCoefficientsMessage};
    case SpacingCheck::Accepted:
      break;
  }
  return {MessageKind::Information, {}};
}

}  // namespace calvora::design
