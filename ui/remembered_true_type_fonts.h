#pragma once

namespace tremaro {

// Whether the operator has chosen TrueType fonts for corrections (CorrectionChoices), kept
// between runs in the user's settings: one who needs them needs them for every form. Off
// until chosen.
class RememberedTrueTypeFonts {
public:
    bool Chosen() const;
    void Remember(bool chosen);
};

}  // namespace tremaro
