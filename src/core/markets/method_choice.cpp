#include "core/markets/method_choice.h"

#include "core/base/remembered_setting.h"

namespace orvanta {

MarginMethod RememberedMethod(const std::string& user_folder) {
    if (const auto choice = RememberedSetting(user_folder, kMethodChoiceFile, 64)) {
        if (const auto method = MethodFromKey(*choice)) {
            return *method;
        }
    }
    return MarginMethod::kProportional;
}

void RememberMethod(const std::string& user_folder, MarginMethod method, WriteFaults* faults) {
    RememberSetting(user_folder, kMethodChoiceFile, std::string(MethodKey(method)), faults);
}

}  // namespace orvanta
