// A print-parameter file: any bytes are read without harm, a whole set survives writing it back (its
// scale extension included), and the editor's values of a read set give a set again.
#include "FuzzSupport.h"

#include "engine/core/FileError.h"
#include "engine/printing/DruckParameter.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace qv;
    const std::span<const std::uint8_t> bytes(data, size);
    const std::optional<TDruckParameter> decoded = DecodePrintParameters(bytes);
    fuzz::Check(decoded.has_value() == (size >= TDruckParameter::kSize));

    const std::filesystem::path path = fuzz::Scratch("Druck.qvpd", data, size);
    try {
        const std::optional<TDruckParameter> read = ReadPrintParameterFile(path);
        fuzz::Check(read.has_value() && decoded.has_value() && *read == *decoded);
    } catch (const ParameterFileTooShort&) {
        fuzz::Check(!decoded.has_value());
    }
    if (!decoded) {
        return 0;
    }

    // The first 4600 bytes come back as they were, reserved words included; a scale correction read from
    // the extension is allowed and written back behind them, and none is written for 1000 per mille.
    fuzz::Check(TDruckParameter::IsAllowedScale(decoded->scaleX) && TDruckParameter::IsAllowedScale(decoded->scaleY));
    const bool neutral =
        decoded->scaleX == TDruckParameter::kNeutralScale && decoded->scaleY == TDruckParameter::kNeutralScale;
    const std::vector<std::uint8_t> encoded = EncodePrintParameters(*decoded);
    fuzz::Check(encoded.size() == TDruckParameter::kSize + (neutral ? 0 : TDruckParameter::kScaleExtensionSize));
    fuzz::Check(std::equal(encoded.begin(), encoded.begin() + TDruckParameter::kSize, data));
    fuzz::Check(DecodePrintParameters(encoded) == decoded);

    const TDruckParameter edited = WithEditorValues(*decoded, EditorValuesOf(*decoded));
    const EditorValues values = EditorValuesOf(edited);
    fuzz::Check(values.abstandHori == decoded->abstandHori && values.abstandVerti == decoded->abstandVerti);
    fuzz::Check(edited.reserved0 == decoded->reserved0 && edited.reserved28 == decoded->reserved28);
    fuzz::Check(edited.scaleX == decoded->scaleX && edited.scaleY == decoded->scaleY);
    return 0;
}
