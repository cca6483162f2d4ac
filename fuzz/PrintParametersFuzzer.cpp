// A print-parameter file: any bytes are read without harm, a whole set survives writing it back, and
// the editor's values of a read set give a set again.
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

    // The first 4600 bytes come back as they were, reserved words included.
    const std::vector<std::uint8_t> encoded = EncodePrintParameters(*decoded);
    fuzz::Check(encoded.size() == TDruckParameter::kSize && std::equal(encoded.begin(), encoded.end(), data));
    fuzz::Check(DecodePrintParameters(encoded) == decoded);

    const TDruckParameter edited = WithEditorValues(*decoded, EditorValuesOf(*decoded));
    const EditorValues values = EditorValuesOf(edited);
    fuzz::Check(values.abstandHori == decoded->abstandHori && values.abstandVerti == decoded->abstandVerti);
    fuzz::Check(edited.reserved0 == decoded->reserved0 && edited.reserved28 == decoded->reserved28);
    return 0;
}
