#pragma once
// The exports of longtap.dll. The launcher binds openHook and closeHook by name at run
// time; the other three are exported for compatibility and used by nothing in the kit.
#ifdef LONGTAP_BUILD
#define LONGTAP_API __declspec(dllexport)
#else
#define LONGTAP_API __declspec(dllimport)
#endif

// 0 when the hook is installed, now or before; 2 when installing failed.
extern "C" LONGTAP_API int openHook();
// Always 0.
extern "C" LONGTAP_API int closeHook();

LONGTAP_API int fnLongtap();
extern LONGTAP_API int nLongtap;

class LONGTAP_API CLongtap {
public:
    CLongtap();
    CLongtap& operator=(const CLongtap&);
};
