#include "GameStartText.h"

std::string BuildGameParameters(const std::vector<std::string>& arguments) {
    std::string parameters;
    for (size_t i = 1; i < arguments.size(); i++) parameters += " " + arguments[i];
    return parameters + " HideWindows LauncherShellExecuteGame";
}

std::string GameStartFailureMessage(intptr_t result) {
    std::string message = "游戏启动失败";
    switch (result) {
        case 0:
            return message + ":内存不足.";
        case 2:
            return message + ":文件名错误.(找不到Orbavel.exe文件)";
        case 3:
            return message + ":路径名错误.(找不到Orbavel.exe文件)";
        case 11:
            return message + ":文件(Orbavel.exe)无效.";
        default:
            return message;
    }
}
