#pragma once
// The screens name the families of the original course (Cambria, Arial,
// Comic Sans MS, ...). They are mapped once, here, onto installed families
// of the same metrics or look that carry Cyrillic letters.
void installFontMap();
