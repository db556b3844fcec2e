#include <windows.h>

#include "framework/Application.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    fw::Application* application = fw::Application::Current();
    return application ? application->Run() : 1;
}
