#pragma once
// The pictures and data compiled into the program (its libraries are static, so their resources
// are registered by hand before first use). Safe to call more than once.
void initDomoraResources();
