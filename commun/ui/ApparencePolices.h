#pragma once
// Makes the faces that the window's design was drawn with available to the program:
// a Tahoma-compatible face (Debian's fonts-wine) when it is installed.
void ChargerPolices();
