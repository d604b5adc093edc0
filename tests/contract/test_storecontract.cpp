// The registry store contract, run against the platform's store.
#include "storecontract.h"

int main(int argc, char** argv) {
    using namespace tincta::contract;
    const auto backend = makeContractBackend(argc, argv);
    if (!backend)
        return 2;
    return runCases(storeContractCases(*backend));
}
