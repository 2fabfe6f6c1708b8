#include "CTempObjects.h"

std::vector<std::function<void()>>& CTempObjects::Clearers() {
    static std::vector<std::function<void()>> clearers;
    return clearers;
}

void CTempObjects::DeleteAll() {
    for (auto& clear : Clearers()) clear();
}
