# sources of src/app
