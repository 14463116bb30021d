namespace shared_placeholder {}
