#pragma once

class QDialog;

/// Lets a dialog whose form sits at a fixed place ("verticalLayoutWidget") grow to its
/// texts: longer words and wrapped lines of other languages are never cut.
class AdaptationFormulaire
{
public:
    AdaptationFormulaire() = delete;

    /// Puts the form in a layout of the dialog's own (same margins) and raises the
    /// dialog's minimum size, never below the form's, to what the texts need.
    static void adapter(QDialog &dialogue);
};
