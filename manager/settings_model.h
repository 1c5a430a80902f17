#pragma once
// Reading a controller into the next slot of the main window, and writing a slot back.
class TForm1;

// Firmware version number per slot (395 for "3", "9", "5"); 0 = not read.
extern int vn[2];

// Versions with a suspend mode and its start-up time.
inline bool hasSuspendMode(int version) { return version >= 392 && version <= 399; }

// 0 read into slot m_tchCnt; 1 the controller cannot be opened; 5 both slots are filled.
int getPage(TForm1& w, long pid);

// 0 written, or nothing to write (pid below 1); 1 cannot be opened, or debug mode.
int writePage(TForm1& w, long pid);
