#pragma once

// The program's texts name the Windows font faces ("ＭＳ Ｐゴシック" and its kin); Linux
// draws them with the IPA fonts of the same design. Called once before the first window
// is made (TmyForm does it); calling again does nothing.
void InstallJapaneseFontSubstitutions();
