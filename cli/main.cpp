// quorvis-exact: the exact reading for scripts. Placeholder until it lands.
int main() { return 0; }
