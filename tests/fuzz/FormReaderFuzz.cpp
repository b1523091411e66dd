// Any text given as a form description is read or refused with EFormError,
// and every value read answers its accessors.
#include "toolkit/Exceptions.h"
#include "toolkit/FormReader.h"

#include <cstdint>
#include <string>

namespace {

void touch(const FormObject& object)
{
    for (const FormProperty& property : object.properties) {
        const FormValue& value = property.value;
        for (auto access : {+[](const FormValue& v) { (void)v.AsText(); }, +[](const FormValue& v) { (void)v.AsInt(); },
                            +[](const FormValue& v) { (void)v.AsBool(); },
                            +[](const FormValue& v) { (void)v.AsSet(); }}) {
            try {
                access(value);
            } catch (const EFormError&) {
            }
        }
    }
    for (const FormObject& child : object.children)
        touch(child);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    try {
        touch(ReadFormDescription(std::string(reinterpret_cast<const char*>(data), size), "Fuzz"));
    } catch (const EFormError&) {
    }
    return 0;
}
