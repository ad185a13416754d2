#pragma once
// What keeps the library in use: live controls, class objects not yet released
// and server locks. DllCanUnloadNow answers from it.
void KvAggiungiRiferimento();
void KvRilasciaRiferimento();
int KvRiferimentiVivi();
