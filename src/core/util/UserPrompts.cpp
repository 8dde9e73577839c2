#include "core/util/UserPrompts.h"

#include "core/util/Messages.h"

namespace zt46 {

Answer MessageById(UserPrompts& prompts, int id, Buttons buttons, Icon icon) {
    return prompts.Show(Prompt{id, std::string(StringById(id)), buttons, icon});
}

Answer MessageById(UserPrompts& prompts, int id, Buttons buttons, Icon icon, std::string_view text1) {
    return prompts.Show(Prompt{id, FormatString(id, text1), buttons, icon});
}

Answer MessageById(UserPrompts& prompts, int id, Buttons buttons, Icon icon, std::string_view text1,
                   std::string_view text2) {
    return prompts.Show(Prompt{id, FormatString(id, text1, text2), buttons, icon});
}

} // namespace zt46
