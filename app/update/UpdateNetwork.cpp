#include "UpdateNetwork.h"

#include "HelperUpdateNetwork.h"

namespace {
std::unique_ptr<UpdateNetwork>& installedNetwork()
{
    static std::unique_ptr<UpdateNetwork> network;
    return network;
}
} // namespace

UpdateNetwork& TheUpdateNetwork()
{
    std::unique_ptr<UpdateNetwork>& network = installedNetwork();
    if (!network)
        network = std::make_unique<HelperUpdateNetwork>();
    return *network;
}

std::unique_ptr<UpdateNetwork> SetUpdateNetwork(std::unique_ptr<UpdateNetwork> network)
{
    std::swap(installedNetwork(), network);
    return network;
}
