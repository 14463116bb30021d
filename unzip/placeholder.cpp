namespace unzip_placeholder {}
